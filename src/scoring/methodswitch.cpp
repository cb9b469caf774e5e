#include "scoring/methodswitch.h"

#include "model/historyfile.h"
#include "model/leaguefile.h"
#include "model/textline.h"
#include "whs/decimal.h"

#include <algorithm>

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

std::string replaytable(const ProgramState& before, const ReplayPreview& preview) {
    const ProgramState& after = *preview.after;
    std::string table = alignleft("Player", 24) + alignright("Rounds", 7) + alignright("Now", 10) +
                        alignright("Worked out", 12) + "\r\n";
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
    Message m{g.leaguefile + " holds rounds worked out by " + methodtitle(g.method) +
                  ".\r\nWork them all out again under " + methodtitle(to) +
                  " now?\r\n\r\n"
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
