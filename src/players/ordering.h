#pragma once

#include "model/programstate.h"

#include <string>
#include <vector>

namespace greenfold {

// The order of the roster: a player's position is his slot, which is also the order of
// the league file, the lists, the cards and the team file.

// One line of the ordering list and the slot it stands for. Players without a name are
// left out of the list, so a line's slot is never taken from its index.
struct OrderLine {
    int slot = 0;
    std::string text; // the position right-aligned in 3 characters, 2 spaces, the name
};

std::string orderline(int position, const std::string& name);
std::vector<OrderLine> orderlines(const ProgramState& g);

// The name part of a list line, as the window shows it over the position box.
std::string ordername(const std::string& line);

// A typed target position: within 1..playercount.
int clampposition(const ProgramState& g, double typed);

// Moves the player in slot `from` to slot `target` with all his data and team; everyone
// between shifts by one. Slot 0 is the holding place during the move and is empty
// afterwards. False when there is nothing to move (same slot, or a slot off the roster).
bool moveplayer(ProgramState& g, int from, int target);

} // namespace greenfold
