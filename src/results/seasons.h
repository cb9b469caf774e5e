#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "results/resultsfile.h"

#include <string>
#include <vector>

namespace greenfold {

// The seasons of a league the results windows show: the season now, in the league's
// results file, and the seasons a new season put aside beside it ("Spring-2026.res",
// "Spring-2026-2.res"), read only.
struct SeasonChoice {
    std::string file; // a kept season's file; empty for the season now
    int year = 0;     // of a kept season's first night
    int number = 1;   // 2 for "Spring-2026-2.res", and on
    bool kept() const { return !file.empty(); }
    bool operator==(const SeasonChoice&) const = default;
};

// The season now first, then the kept seasons in dir, newest first. A file that is the
// results file of another league of the list (a league named "Spring-2026") is not one.
std::vector<SeasonChoice> seasonchoices(const ProgramState& g, const fs::path& dir = {});

// "This season", "2026 season", "2026 season (2)".
std::string seasoncaption(const SeasonChoice& s);

// The season's file. A kept season that cannot be read gives no nights and says so; it is
// never written, so nothing marks it damaged.
LoadedResults loadseason(ProgramState& g, const SeasonChoice& s, const fs::path& dir = {});

// What a season without a night says: "A new season started on 10/06/26 and has no night
// yet." (or without the day, for a season that did not begin with a new season).
std::string nonighttext(const ResultsFile& f);

// Why a command of the results windows does nothing.
enum class SeasonCommand { print, printskins, postteams, webpage };
Message nothingtodo(const ResultsFile& f, SeasonCommand command);
// A kept season is shown, not changed: its nights are not posted to today's teams.
Message keptseasonreadonly(const SeasonChoice& s);

} // namespace greenfold
