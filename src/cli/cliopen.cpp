#include "cli/cliopen.h"

#include "model/coursefile.h"
#include "model/historyfile.h"
#include "model/latestfile.h"
#include "model/leaguefile.h"
#include "model/leaguelist.h"
#include "shell/startup.h"

namespace greenfold {

std::string openfolder(ProgramState& g, const fs::path& dir, const std::string& systemdir) {
    if (startup(g, dir, systemdir)) return "";
    return "cannot read the list of leagues " + findfile(dir, latestfilename).string();
}

namespace {

// The data folder in full, so a message names it however it was given ("." included).
std::string foldername(const fs::path& dir) {
    std::error_code ec;
    fs::path full = fs::absolute(dir.empty() ? fs::path(".") : dir, ec).lexically_normal();
    if (ec) return dir.string();
    std::string text = full.string();
    while (text.size() > 1 && (text.back() == '/' || text.back() == '\\')) text.pop_back();
    return text;
}

LeagueOpened problem(std::string text) {
    LeagueOpened out;
    out.problem = std::move(text);
    return out;
}

// The writer's lock and a change left unfinished carried out, or the reader's guard.
std::string takeleague(LeagueOpened& out, const fs::path& dir, const std::string& leaguefile,
                       Access access) {
    if (access == Access::read) {
        ReadTry guard = guardread(dir, leaguefile);
        out.reader = std::move(guard.guard);
        return guard.refusal;
    }
    LockTry lock = lockleague(dir, leaguefile);
    if (!lock.lock) return lock.refusal + " Nothing was written.";
    out.writer = lock.lock;
    const Outcome recovered = recoverleague(dir, leaguefile);
    return recovered ? "" : recovered.messages.front().text;
}

} // namespace

LeagueOpened openleaguefile(ProgramState& g, const fs::path& dir, const std::string& name,
                            Access access) {
    const int n = findleague(g, name);
    if (n == 0)
        return problem("no league named '" + name + "' in " + foldername(dir) +
                       " ('greenfold-cli leagues' lists them)");
    g.leaguefile = g.leaguelist[n] + leaguesuffix;
    LeagueOpened out;
    if (std::string refused = takeleague(out, dir, g.leaguefile, access); !refused.empty())
        return problem(std::move(refused));
    const Outcome loaded = loadleague(g, dir);
    if (!loaded)
        return problem("cannot read the league file " + findfile(dir, g.leaguefile).string());
    if (!loaded.messages.empty()) // the desktop would go on without the history: not here
        return problem("cannot read the index history file " +
                       findfile(dir, historyfilename(g.leaguefile)).string());
    if (!loadcourses(g, dir))
        out.warning = "cannot read the course table " + findfile(dir, coursefilename).string();
    return out;
}

} // namespace greenfold
