#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "scoring/replay.h"
#include "scoring/settingsrules.h"

#include <memory>
#include <string>
#include <vector>

namespace greenfold {

// Moving a league from one handicap method to the other, from the settings window.

// Whether a league is open and any of its players has a kept round: only then is there
// anything to work out again.
bool leaguehasrounds(const ProgramState& g);

// Takes the chosen settings in. A switch to the method that keeps an index history reads
// the league's history now, so the next save does not write an empty one over it.
Outcome takesettings(ProgramState& g, const SettingsChoice& choice, const fs::path& dir);

// The league with the chosen settings and its rounds worked out again under the chosen
// method, shown to the user before anything is written.
struct ReplayPreview {
    std::unique_ptr<ProgramState> after;
    std::vector<ReplayLine> lines;
    Outcome read;     // what reading the index history said
    std::string copy; // the name the league file as it was will be kept under
};
ReplayPreview previewreplay(const ProgramState& g, const SettingsChoice& choice,
                            const fs::path& dir);

// The question the switch asks, with the table of indexes now and after. It says how many
// rounds are worked out from their players' default tees (the tee a round was played from is
// not known), and, for a switch to the World Handicap System, which courses of the kept
// rounds have no stroke indexes, so their rounds' hole limits are estimated. Yes works the
// rounds out again and writes them, No changes the method only, Cancel changes nothing.
Message replayquestion(const ProgramState& g, const ReplayPreview& preview);

// The table: one line a player, his index now and his new index (blank without one).
std::string replaytable(const ProgramState& before, const ReplayPreview& preview);

// The courses the league's kept rounds were played on that have no stroke indexes, in the
// course table's order, with how many kept rounds each has.
struct UnindexedCourse {
    std::string name;
    int rounds = 0;
    bool operator==(const UnindexedCourse&) const = default;
};
std::vector<UnindexedCourse> unindexedcourses(const ProgramState& g);

// Yes is written with the league's nights by writereplayed (results/nightrecord.h).

} // namespace greenfold
