#pragma once

#include "model/leaguecommit.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "results/resultsfile.h"
#include "results/settings.h"

#include <optional>
#include <string>

namespace greenfold {

// A new season: the roster, the teams and every kept round stay, so the handicaps carry
// over; the season's nights, the team points records and the match play schedule are kept
// aside under the year of the season's first night ("Spring.res" as "Spring-2026.res",
// "Spring.tea" as "Spring-2026.tea", "Spring.mat" as "Spring-2026.mat", numbered
// "Spring-2026-2.res" when taken), and the league starts an empty results file with the
// same competition settings, a team file without points records and a match file with
// the same match play settings and no schedule. Putting the kept files back under their
// old names undoes it.
struct SeasonPlan {
    std::string results; // the results file's name now
    std::string resultsto;
    std::string teams; // the team file's name now; empty when the league has none
    std::string teamsto;
    std::string matches; // the match file's name now; empty when the league has none
    std::string matchesto;
    int nights = 0;
    int year = 0;                 // of the season's first night
    CompetitionSettings settings; // the new season's, as the old one had them
    NightDate started;            // the day the new season starts: the caller's today
};

// The plan for the open league, or the reason there is none: no league is open, or the
// season has no night yet, or its results file could not be read. The caller sets the day
// the new season starts (today).
struct SeasonStart {
    std::optional<SeasonPlan> plan;
    Message refusal;
};
SeasonStart planseason(ProgramState& g, const fs::path& dir = {});

// Asked first: what stays and what is moved.
Message newseasonquestion(const ProgramState& g, const SeasonPlan& plan);

// Keeps the two files aside and writes the new ones, together: when anything cannot be
// written nothing changes; the outcome says what was done or what failed.
// extra stages the new season's match file (match play's own business).
Outcome startseason(ProgramState& g, const SeasonPlan& plan, const fs::path& dir = {},
                    const CommitExtra& extra = {});

} // namespace greenfold
