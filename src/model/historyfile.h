#pragma once

#include "model/leaguecommit.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace greenfold {

// The index history file beside a league file ("Spring.LGE" keeps it in "Spring.HIX"):
// what the World Handicap System method keeps of each player. The league's load and save
// read and write it only under that method. Text lines as in the other data files: the
// version line, the player count, then for each player
//   his name;
//   the number of kept rounds, then for each round its date as the league file has it
//   (month, day, two-digit year), the tee and the flags;
//   the number of indexes issued, then for each its date (year, month, day) and tenths.
inline constexpr const char* historysuffix = ".HIX";
// The range of a Handicap Index, in tenths: +10.0 to 54.0. An issued index outside it, or
// any date that is not on the calendar, makes the file damaged.
inline constexpr int minindextenths = -100;
inline constexpr int maxindextenths = 540;
inline constexpr const char* historyversion = "Greenfold index history 1";

// The league file's name with ".HIX" in place of its ".LGE", or added to it.
std::string historyfilename(const std::string& leaguefile);

// A player's entry in the file as it was written, each round's note with its date.
struct DatedNote {
    int16_t month = 0;
    int16_t day = 0;
    int16_t year = 0;
    RoundNote note;
};
struct HistoryEntry {
    std::string name;
    std::vector<DatedNote> rounds;
    std::vector<IssuedIndex> issued;
};

// The whole file, or nothing when a line is missing, is not a number where one belongs
// or is out of range.
std::optional<std::vector<HistoryEntry>> readhistory(std::istream& in);
std::string historybytes(const League& g);

// Gives each player of the league his entry: the one in his own position when it carries
// his name, else the first other one with his name, else none. A kept round takes its
// note only when the note is dated with the round, so a round the file never heard of
// (recorded under the classic method, or moved there since) has none.
void placehistory(League& g, const std::vector<HistoryEntry>& entries);

// Reads the open league's history file from dir. A league without one starts with an
// empty history; so does one whose file cannot be read whole: that file is kept beside
// itself before it is saved over, and the outcome, still ok, says so.
Outcome loadhistory(ProgramState& g, const fs::path& dir = {});
// The history into a commit of the league's files (see leaguefile.h's stageleague).
void stagehistory(const ProgramState& g, LeagueCommit& commit);

Message historyloadfailure(const std::string& file);
Message historysavefailure();

} // namespace greenfold
