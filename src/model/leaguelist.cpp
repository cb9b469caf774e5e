#include "model/leaguelist.h"

#include "model/coursefile.h"
#include "model/historyfile.h"
#include "model/latestfile.h"
#include "model/leaguecommit.h"
#include "model/leaguefile.h"
#include "model/matchname.h"
#include "model/resultsname.h"
#include "model/settingsfile.h"
#include "model/textline.h"

#include <algorithm>
#include <memory>

namespace greenfold {

namespace {

int knowncount(const ProgramState& g) {
    return std::clamp<int>(g.leaguecount, 0, maxleagues);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameletters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// Besides what the name box refuses, the characters no common file system takes in a
// name, so a league survives being copied to another disk.
bool illegalchar(unsigned char c) {
    if (c != ' ' && !acceptkey(c)) return true;
    return c == 127 || std::string_view("\\;:<>?|").find(char(c)) != std::string_view::npos;
}

LeagueStep beep() {
    LeagueStep s;
    s.outcome.ok = false;
    s.beep = true;
    return s;
}

LeagueStep refuse(Message m, bool cleartext) {
    LeagueStep s;
    s.outcome = Outcome::failure(std::move(m));
    s.cleartext = cleartext;
    return s;
}

LeagueStep failed(const Outcome& outcome) {
    LeagueStep s;
    s.outcome = outcome;
    s.outcome.ok = false;
    return s;
}

Message exclamation(std::string text) {
    return {std::move(text), "Greenfold", Icon::exclamation};
}

bool fileexists(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    return fs::exists(findfile(dir, name), ec);
}

void removefile(const fs::path& dir, const std::string& name) {
    std::error_code ec; // a file that is not there is as good as deleted
    fs::remove(findfile(dir, name), ec);
}

// The writer's lock of the league open in the desktop program, held while it is open.
LeagueLock& openleaguelock() {
    static LeagueLock held;
    return held;
}

Message inuse(const std::string& refusal, const char* then) {
    return {refusal + then, "Greenfold", Icon::exclamation};
}

// Takes entry k off the list and keeps leagueindex on the league it named.
void removeentry(ProgramState& g, int k) {
    const int count = knowncount(g);
    for (int n = k; n < maxleagues; ++n) g.leaguelist[n] = g.leaguelist[n + 1];
    g.leaguelist[maxleagues].clear();
    g.leaguecount = static_cast<int16_t>(count - 1);
    const int deleted = k - 1; // File menu positions start at 0
    if (g.leagueindex > deleted)
        --g.leagueindex;
    else if (g.leagueindex == deleted)
        g.leagueindex = 0;
    if (g.leagueindex < 0 || g.leagueindex >= std::max(1, int(g.leaguecount))) g.leagueindex = 0;
}

} // namespace

bool acceptkey(int code) {
    return code == 8 || code == 32 || code >= 48;
}

std::vector<std::string> leaguemenucaptions(const ProgramState& g) {
    const int count = knowncount(g);
    if (count == 0) return {noentries};
    return {g.leaguelist.begin() + 1, g.leaguelist.begin() + 1 + count};
}

int findleagueexact(const ProgramState& g, std::string_view name) {
    for (int n = 1; n <= knowncount(g); ++n)
        if (g.leaguelist[n] == name) return n;
    return 0;
}

int findleague(const ProgramState& g, std::string_view name) {
    for (int n = 1; n <= knowncount(g); ++n)
        if (sameletters(g.leaguelist[n], name)) return n;
    return 0;
}

std::string leaguename(const ProgramState& g) {
    const std::string& f = g.leaguefile;
    return f.size() > 4 ? f.substr(0, f.size() - 4) : f;
}

bool legalleaguename(std::string_view name) {
    if (textwidth(name) > maxleaguename) return false;
    if (name.find_first_not_of(' ') == std::string_view::npos) return false;
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return illegalchar(static_cast<unsigned char>(c)); });
}

LeagueStep checkleaguename(const ProgramState& g, const std::string& name) {
    if (name.empty()) return beep();
    if (findleagueexact(g, name) != 0)
        return refuse(exclamation("That name is already in use."), true);
    if (!legalleaguename(name)) return refuse(exclamation("Illegal Name for file"), true);
    return {};
}

Message leaguesfull() {
    return exclamation(
        "Greenfold keeps at most 15 league files. Delete one before creating another.");
}

Message leagueexists(const std::string& name) {
    return exclamation("A league file named " + name + leaguesuffix +
                       " is already in the folder. Choose another name.");
}

LeagueStep createleague(ProgramState& g, const std::string& name, const fs::path& dir,
                        const StreamWrap& wrap) {
    LeagueStep check = checkleaguename(g, name);
    if (!check.outcome) return check;
    if (knowncount(g) >= maxleagues) return refuse(leaguesfull(), false);
    // An existing file is some league's data, known or not: it is never emptied.
    if (fileexists(dir, name + leaguesuffix)) return refuse(leagueexists(name), true);

    // The new league is built on a copy, so a failed write leaves the open league and
    // the list as they were.
    auto fresh = std::make_unique<ProgramState>(g);
    clearleague(*fresh);
    fresh->leaguefile = name + leaguesuffix;
    Outcome saved = saveleague(*fresh, dir, wrap);
    g.damagedfiles = fresh->damagedfiles;
    if (!saved) return failed(saved);

    fresh->leaguecount = static_cast<int16_t>(knowncount(g) + 1);
    fresh->leaguelist[fresh->leaguecount] = name;
    Outcome listed = savelatest(*fresh, dir, wrap);
    g.damagedfiles = fresh->damagedfiles;
    if (!listed) {
        removefile(dir, fresh->leaguefile); // not on any list, so nobody could find it
        removefile(dir, historyfilename(fresh->leaguefile));
        return failed(listed.merge(saved));
    }
    g = std::move(*fresh);
    releaseopenleague(); // the window goes on with no league open
    LeagueStep done;
    done.outcome = saved.merge(listed);
    done.status = noleaguetext;
    return done;
}

LeagueStep checkdelete(const ProgramState& g, const std::string& name) {
    if (name.empty()) return beep();
    if (findleague(g, name) == 0)
        return refuse(exclamation("That name is not on the active list."), true);
    return {};
}

Question deletequestion() {
    return {{"Are you sure you want to Delete the selected\r\n\r\nLeague File and it's Team "
             "point data file?\r\n\r\n    CONTINUE?    Select 'NO' to Exit",
             "Greenfold", Icon::stop},
            true};
}

LeagueStep deleteleague(ProgramState& g, const std::string& name, bool confirmed, bool teamsdefined,
                        const fs::path& dir, const StreamWrap& wrap) {
    LeagueStep check = checkdelete(g, name);
    if (!check.outcome) return check;
    if (!confirmed) return failed({});

    const int k = findleague(g, name);
    const std::string known = g.leaguelist[k];
    // A league another program has open is not deleted under it.
    const LockTry lock = lockleague(dir, known + leaguesuffix);
    if (!lock.lock) return failed(Outcome::failure(inuse(lock.refusal, " It was not deleted.")));
    const auto list = g.leaguelist;
    const int16_t count = g.leaguecount, index = g.leagueindex;
    removeentry(g, k);
    Outcome listed = savelatest(g, dir, wrap);
    if (!listed) {
        // The record still names the league, so its files stay too.
        g.leaguelist = list;
        g.leaguecount = count;
        g.leagueindex = index;
        return failed(listed);
    }
    removefile(dir, known + leaguesuffix);
    removefile(dir, historyfilename(known + leaguesuffix));
    removefile(dir, resultsfilename(known + leaguesuffix));
    removefile(dir, matchfilename(known + leaguesuffix));
    removefile(dir, known + locksuffix);
    if (g.leaguefile == known + leaguesuffix) releaseopenleague();
    g.leaguefile.clear();
    if (teamsdefined) removefile(dir, known + teamsuffix);
    LeagueStep done;
    done.outcome = listed;
    done.status = noleaguetext;
    return done;
}

LeagueStep openleague(ProgramState& g, int entry, const fs::path& dir, const StreamWrap& wrap) {
    if (entry < 0 || entry >= knowncount(g) || g.leaguelist[entry + 1].empty()) return beep();
    const std::string name = g.leaguelist[entry + 1];
    if (!g.methodproblem.empty()) return failed(Outcome::failure(methodrefusal(g)));
    // The league is held while it is open, and a change a writer before left unfinished is
    // finished (or undone) before it is read.
    const LockTry lock = lockleague(dir, name + leaguesuffix);
    if (!lock.lock)
        return failed(Outcome::failure(
            inuse(lock.refusal, " It can be opened here once it is closed there.")));
    if (Outcome recovered = recoverleague(dir, name + leaguesuffix); !recovered)
        return failed(recovered);
    const std::string previous = g.leaguefile;
    g.leaguefile = name + leaguesuffix;
    Outcome loaded = loadleague(g, dir);
    if (!loaded) {
        g.leaguefile = previous;
        return failed(loaded);
    }
    openleaguelock() = lock.lock;
    LeagueStep done;
    // A course table or index history that cannot be read is reported, but the league is
    // open.
    done.outcome.messages = loaded.messages;
    const Outcome courses = loadcourses(g, dir);
    done.outcome.messages.insert(done.outcome.messages.end(), courses.messages.begin(),
                                 courses.messages.end());
    done.status = currentleaguetext(name);
    if (entry != g.leagueindex) {
        g.leagueindex = static_cast<int16_t>(entry);
        Outcome listed = savelatest(g, dir, wrap);
        done.outcome.messages.insert(done.outcome.messages.end(), listed.messages.begin(),
                                     listed.messages.end());
    }
    return done;
}

void releaseopenleague() {
    openleaguelock() = {};
}

std::string currentleaguetext(const std::string& name) {
    return "Current League - " + name;
}

} // namespace greenfold
