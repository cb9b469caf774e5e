#pragma once

#include "model/programstate.h"

#include <vector>

namespace greenfold {

// The player a chart is drawn for.

// The slot of each name the chart picker lists, in list order: the league's players in
// slot order, empty names left out. The picker finds the chosen player here rather than
// taking the list position for the slot, so a roster with a gap (a damaged file) still
// charts the player whose name was clicked.
std::vector<int> listedslots(const ProgramState& g);

// Whether p is a player slot of the league.
bool chartedplayer(const ProgramState& g, int p);

// The number of round slots the charts read for player p: the round count held to
// 0..20, and 0 for a slot outside the league.
int keptrounds(const ProgramState& g, int p);

// The index stored with the player's most recent round (slot 0, which reads 0, when
// there is none).
float currentindex(const ProgramState& g, int p);

} // namespace greenfold
