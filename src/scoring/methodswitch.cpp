#include "scoring/methodswitch.h"

#include "model/historyfile.h"
#include "model/leaguefile.h"
#include "model/textline.h"
#include "whs/decimal.h"
#include "whs/strokeindex.h"

#include <algorithm>
#include <map>

namespace greenfold {

namespace {

std::string methodtitle(HandicapMethod m) {
    return m == HandicapMethod::whs ? "the World Handicap System (2024)" : "the classic method";
}

// Whether player p holds an index under the league's method: the classic method gives one
// with the first round, the World Handicap System once one has been issued.
bool indexed(const ProgramState& g, int p) {
    if (g.method == HandicapMethod::whs) return !g.history[p].issued.empty();
    return g.roundcount[p] > 0;
}

std::string indexcell(const ProgramState& g, int p, whs::Tenths index) {
    return alignright(indexed(g, p) ? whs::indextext(index) : "", 10);
}

} // namespace

bool leaguehasrounds(const ProgramState& g) {
    if (g.leaguefile.empty()) return false;
    const int players = std::clamp<int>(g.playercount, 0, maxplayers);
    for (int p = 1; p <= players; ++p)
        if (g.roundcount[p] > 0) return true;
    return false;
}

Outcome takesettings(ProgramState& g, const SettingsChoice& choice, const fs::path& dir) {
    const HandicapMethod before = g.method;
    applysettings(g, choice);
    if (g.method == before || g.method != HandicapMethod::whs || g.leaguefile.empty()) return {};
    return loadhistory(g, dir);
}

ReplayPreview previewreplay(const ProgramState& g, const SettingsChoice& choice,
                            const fs::path& dir) {
    ReplayPreview preview;
    preview.after = std::make_unique<ProgramState>(g);
    preview.read = takesettings(*preview.after, choice, dir);
    preview.lines = replayleague(*preview.after, preview.after->method);
    preview.copy = beforereplayname(g, dir);
    return preview;
}

std::vector<UnindexedCourse> unindexedcourses(const ProgramState& g) {
    std::map<int, int> rounds; // course number -> kept rounds on it
    const int players = std::clamp<int>(g.playercount, 0, maxplayers);
    for (int p = 1; p <= players; ++p)
        for (int r = 1; r <= std::clamp<int>(g.roundcount[p], 0, maxrounds); ++r)
            ++rounds[g.roundcourse[p][r]];
    std::vector<UnindexedCourse> out;
    for (const auto& [c, n] : rounds)
        if (!whs::parsestrokeindexes(coursefield(g, c, courseline_strokeindex)))
            out.push_back({coursefield(g, c, courseline_name), n});
    return out;
}

namespace {

// What the table does not show: the rounds worked out from the default tee, and for the
// World Handicap System the courses whose hole limits are estimated. Empty when neither.
std::string replaynotes(const ProgramState& g, const ReplayPreview& preview) {
    int rounds = 0, defaulttee = 0;
    for (const ReplayLine& line : preview.lines) {
        rounds += line.count.rounds;
        defaulttee += line.count.defaulttee;
    }
    std::string notes;
    if (defaulttee > 0)
        notes += (defaulttee == rounds
                      ? std::string("No round's tee is known: every round")
                      : "The tee of " + std::to_string(defaulttee) + " of the " +
                            std::to_string(rounds) + " rounds is not known: each of them") +
                 " is worked out from its player's default tee (his tee on the roster).\r\n";
    if (preview.after->method != HandicapMethod::whs) return notes;
    const std::vector<UnindexedCourse> courses = unindexedcourses(g);
    if (courses.empty()) return notes;
    std::string names;
    for (const UnindexedCourse& c : courses)
        names += (names.empty() ? "" : "; ") +
                 (c.name.empty() ? std::string("a course without a name") : c.name) + ", " +
                 std::to_string(c.rounds) + (c.rounds == 1 ? " round" : " rounds");
    notes += "No stroke indexes for " + names +
             ": the hole limits (net double bogey) of these rounds are estimated, and the rounds "
             "marked so. Enter the stroke indexes in the course window first for exact "
             "figures.\r\n";
    return notes;
}

} // namespace

std::string replaytable(const ProgramState& before, const ReplayPreview& preview) {
    const ProgramState& after = *preview.after;
    std::string table = alignleft("Player", 24) + alignright("Rounds", 7) +
                        alignright("Index now", 10) + alignright("New index", 12) + "\r\n";
    int unrated = 0;
    for (std::size_t i = 0; i < preview.lines.size(); ++i) {
        const int p = int(i) + 1;
        const ReplayLine& line = preview.lines[i];
        table += alignleft(line.name, 24) + alignright(std::to_string(line.count.rounds), 7) +
                 indexcell(before, p, line.now) + "  " + indexcell(after, p, line.after) + "\r\n";
        unrated += line.count.unrated;
    }
    if (unrated > 0)
        table +=
            "\r\n" + std::to_string(unrated) +
            (unrated == 1 ? " round cannot be rated on its tee and keeps its figures.\r\n"
                          : " rounds cannot be rated on their tees and keep their figures.\r\n");
    return table;
}

Message replayquestion(const ProgramState& g, const ReplayPreview& preview) {
    const HandicapMethod to = preview.after->method;
    const std::string notes = replaynotes(g, preview);
    Message m{g.leaguefile + " holds rounds worked out by " + methodtitle(g.method) +
                  ".\r\nWork them all out again under " + methodtitle(to) + " now?\r\n\r\n" +
                  notes + (notes.empty() ? "" : "\r\n") +
                  "Yes: the indexes below are written; the league file as it was\r\n"
                  "is kept beside it as " +
                  preview.copy +
                  ".\r\n"
                  "No: the method changes and the rounds keep their figures;\r\n"
                  "new rounds are worked out by the new method.\r\n"
                  "Cancel: nothing changes.",
              "Handicap Method", Icon::question};
    m.details = replaytable(g, preview);
    return m;
}

} // namespace greenfold
