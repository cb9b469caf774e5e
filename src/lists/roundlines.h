#pragma once

#include "model/programstate.h"

#include <optional>
#include <string>
#include <vector>

namespace greenfold {

// The two lists of the main window's body, line by line: player names (List1) beside
// the round lines (List2). Both are shown in a monospaced font, so the columns of the
// round lines are made of characters, not pixels.
struct ListLines {
    std::vector<std::string> names;
    std::vector<std::string> rounds;
    bool operator==(const ListLines&) const = default;
};

// Both lists emptied and given their two header lines each.
ListLines listheaders();

// The text of round slot r of player p. The last column differs by view, so the caller
// passes it; nothing leaves the column out.
std::string roundtext(const ProgramState& g, int p, int r, std::optional<int> lastcolumn);

// Adds the player's name to the name list and the round's text to the round list.
void roundline(ListLines& lines, const ProgramState& g, int p, int r,
               std::optional<int> lastcolumn);

} // namespace greenfold
