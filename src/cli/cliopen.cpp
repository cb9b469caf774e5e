#include "cli/cliopen.h"

#include "model/coursefile.h"
#include "model/historyfile.h"
#include "model/latestfile.h"
#include "model/leaguefile.h"
#include "model/leaguelist.h"
#include "shell/startup.h"

namespace greenfold {

std::string openfolder(GOLF1& g, const fs::path& dir, const std::string& systemdir) {
    if (startup(g, dir, systemdir)) return "";
    return "cannot read the list of leagues " + findfile(dir, latestfilename).string();
}

LeagueOpened openleaguefile(GOLF1& g, const fs::path& dir, const std::string& name) {
    const int n = findleague(g, name);
    if (n == 0)
        return {"no league named '" + name + "' in " + dir.string() +
                    " ('greenfold-cli leagues' lists them)",
                ""};
    g.leaguefile = g.leaguelist[n] + leaguesuffix;
    const Outcome loaded = loadleague(g, dir);
    if (!loaded) return {"cannot read the league file " + findfile(dir, g.leaguefile).string(), ""};
    if (!loaded.messages.empty()) // the desktop would go on without the history: not here
        return {"cannot read the index history file " +
                    findfile(dir, historyfilename(g.leaguefile)).string(),
                ""};
    if (!loadcourses(g, dir))
        return {"", "cannot read the course table " + findfile(dir, coursefilename).string()};
    return {};
}

} // namespace greenfold
