#pragma once

#include "model/leaguecommit.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "teams/teamdata.h"

#include <istream>
#include <string>

namespace greenfold {

// The team file sits beside the league file under the league's name and ".tea". One
// item a line: the team count, the team names, one team number per player of the
// league in roster order, then per team its record count and per record the text, the
// number the user keeps and the points.

// "SPRING.LGE" gives "SPRING.tea"; empty while no league is open.
std::string teamfilename(const ProgramState& g);

// Reads team data into t and the team numbers into g.playerteam, item by item. At the
// first item that is missing or not a number in range the read ends, keeping what was
// read so far; false then. A record counts only when all three of its lines were read.
// A team number beyond the team count means no team.
bool readteamfile(std::istream& in, ProgramState& g, Teamdata& t);
std::string teambytes(const ProgramState& g, const Teamdata& t);

// The open league's team file in dir. A file that exists but could not be read whole is
// noted as damaged, so the first save over it keeps it. False when not read whole.
bool readteamfile(ProgramState& g, Teamdata& t, const fs::path& dir = {});
bool teamfileexists(const ProgramState& g, const fs::path& dir = {});

// Starts from no teams at all (so another league's teams never show through a missing
// file), reads the team file and sets teamsdefined when any player has a team.
void loadteams(ProgramState& g, Teamdata& t, const fs::path& dir = {});

// 1 when a player of the roster has a team, else 0.
int16_t teamsin(const ProgramState& g);

// Writes t and the roster's team numbers to the open league's team file, whole or not
// at all, keeping a damaged original first.
Outcome writeteamfile(ProgramState& g, const Teamdata& t, const fs::path& dir = {},
                      const StreamWrap& wrap = {});
// The same into a commit of the league's files; false (nothing staged) with no league open.
bool stageteams(const ProgramState& g, const Teamdata& t, LeagueCommit& commit);

Message teamsavefailure(const std::string& file);

} // namespace greenfold
