#pragma once

#include "matchplay/matchstore.h"
#include "model/leaguecommit.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "results/resultsfile.h"
#include "teams/teamdata.h"

#include <string>
#include <vector>

namespace greenfold {

// A night's results carried into the teams' point records: one record per team for the
// night, its players' points added up (only the best K when the settings say so). A
// posted record is known by its text alone, so posting the night again replaces it where
// it stands and the records typed by hand are never touched.

struct TeamNight {
    int team = 0;
    int counted = 0; // the players whose points went into the sum
    double points = 0;
};

// Every team's night, teams in order; a team none of whose players played has 0 from 0.
// A player is found on the roster by name (the last of two alike, as the team windows
// do); one no longer on it belongs to no team.
std::vector<TeamNight> teamnight(const ProgramState& g, const Teamdata& t, const ResultsFile& f,
                                 const NightDate& night);

// "Night results 06/04/26": the text a posted record carries and is found by.
std::string postedtext(const NightDate& night);

// Puts the night's records into t: over the team's record of that night where it has one
// (a second copy left by an earlier fault goes), else after its last record; the count
// of players as the number the user keeps. Nothing changes when a team has all its
// records and none of that night.
Outcome postnight(Teamdata& t, const std::vector<TeamNight>& nights, const NightDate& night);

// Reads the open league's team file in dir; true when a player of the roster is on a team.
bool hasteams(ProgramState& g, const fs::path& dir = {});

// The whole command on the open league's files in dir: its teams read, the night posted,
// the team file written the safe way. Refused for a league without teams.
Outcome postteams(ProgramState& g, const ResultsFile& f, const NightDate& night,
                  const fs::path& dir = {});

// A week of match play posted to the teams' point records: a record a team, "Week 3 v
// Hawks" or "Week 3 bye", with its match points. Posting the week again replaces each
// team's record of that week ("Week 3 ..."), whoever it met; records typed by hand are
// never touched. Teams are found by name; refused for a league without teams.
struct WeekRecord {
    std::string team;
    std::string text;
    double points = 0;
};
// extra stages what goes with the posting in the same commit (the week's sheets).
Outcome postweek(ProgramState& g, int week, const std::vector<WeekRecord>& records,
                 const fs::path& dir = {}, const CommitExtra& extra = {});
Message postweekquestion(int week);

// A played week of match play posted to the teams (greenfold-cli's postteams --week, the
// Week's Matches window): the week worked out from its sheets, one record a team, the
// sheets as filled written with the team file in one commit.
Outcome postmatchweek(ProgramState& g, const matchplay::MatchSeason& s, const matchplay::Week& w,
                      const fs::path& dir = {});

// The question asked before posting, and what was posted.
Message postquestion(const NightDate& night);
Message postedmessage(const Teamdata& t, const std::vector<TeamNight>& nights,
                      const NightDate& night);
Message noteams();

} // namespace greenfold
