#pragma once

#include "model/programstate.h"

#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The names a player picker lists: the league's players in slot order, empty names left
// out.
std::vector<std::string> pickernames(const ProgramState& g);

// The slot of a listed name, matched exactly; with two players of one name the later
// slot is the one found. 0 when no player has the name.
int findplayerexact(const ProgramState& g, std::string_view name);

// The caption over a picker's list: the league's name and " Player List".
std::string playerlisttitle(const ProgramState& g);

} // namespace greenfold
