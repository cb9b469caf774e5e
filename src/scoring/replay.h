#pragma once

#include "model/leaguecommit.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "whs/decimal.h"
#include "whs/leaguereplay.h"

#include <string>
#include <vector>

namespace greenfold {

// Works every kept round of every player out again, in slot order, under a method: what a
// league's indexes come to under the other method, or brought up to date with the course
// table. Each round is played from the tee the index history names, else from the
// player's default tee (always, when the history was not read: the classic method never
// reads it). A round that cannot be rated on its tee keeps its figures. The classic method
// computes each round as recordround does a new one, so a league recorded from the
// default tees whose players never had more than 20 rounds comes back as it was.
struct ReplayLine {
    std::string name;
    whs::Tenths now;   // the index of the player's newest round before
    whs::Tenths after; // and after
    whs::ReplayCount count;
};

std::vector<ReplayLine> replayleague(ProgramState& g, HandicapMethod method);

// Before a replay is written, the league file as it was is kept beside itself
// ("Spring.LGE.before-replay"), and so is its index history file when it has one; a copy
// kept before is never written over: the copies then take the next free number
// ("Spring.LGE.before-replay-2"). The name the league's copy takes:
std::string beforereplayname(const ProgramState& g, const fs::path& dir);
// The copies, into the commit that writes the replay. Returns the league copy's name, or
// nothing when the files could not be read.
std::string stagebeforereplay(const ProgramState& g, const fs::path& dir, LeagueCommit& commit);

} // namespace greenfold
