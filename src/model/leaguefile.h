#pragma once

#include "model/leaguecommit.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <istream>
#include <string>

namespace greenfold {

// The league file: the player count, then per player the name, default tee, round
// count and all 20 round slots (differential, date, index, course handicap, course and
// the 20 hole slots), one item a line.

// Reads a whole league from a stream into the league members of g. On failure g may
// hold part of the file; loadleague below never lets that reach the open league.
bool readleague(std::istream& in, League& g);
std::string leaguebytes(const ProgramState& g);

// Reads the file named by g.leaguefile in dir. The open league is replaced only when
// the whole file was read; players above the file's count keep what they held. Under the
// World Handicap System method the index history file is read with it (historyfile.h).
Outcome loadleague(ProgramState& g, const fs::path& dir = {});

// The league members into a commit of the league's files; under the World Handicap
// System method the index history file with them.
void stageleague(const ProgramState& g, LeagueCommit& commit);

// Writes the league members to g.leaguefile in dir, and under the World Handicap System
// method the index history file, together or not at all.
Outcome saveleague(ProgramState& g, const fs::path& dir = {}, const StreamWrap& wrap = {});

Message leagueloadfailure();
Message leaguesavefailure();

} // namespace greenfold
