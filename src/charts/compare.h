#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "reports/printsurface.h"

#include <string>
#include <vector>

namespace greenfold {

// The league handicap comparison chart: one fixed-pitch text line per player with
// rounds, lowest current index first, with a star on a scale from -5 to 40. The same
// lines fill the window's list and the printed listing.

// The two captions over the list, one placed over the other so that together they read
// as one scale line.
inline constexpr const char* scalecaption0 = " Player              -5    0    5   ";
std::string scalecaption1();

// A player in chart order, with the index as the chart shows it. Under the WHS method a
// player who had no index yet at his newest round has none (indexed false).
struct Ranked {
    int slot = 0;
    float index = 0;
    bool indexed = true;
};

// Every player of the league ordered by the sort key index x 100 + slot / 1000 (single
// precision), so equal indexes keep slot order. The index shown is the one decoded from
// the key, cut to one decimal toward minus infinity. The slot travels beside its key
// rather than being decoded from the key's last digits: an absurd index read from a
// damaged file leaves no digits for the slot, and would otherwise list somebody else.
// Under the WHS method the players without an index come after the others, in slot order.
std::vector<Ranked> rankplayers(const ProgramState& g);

// The star's column offset for an index: the index rounded half up, held to -6..41.
int starstep(float index);

// One chart line: a space and the name filled to 22 characters, the star, the line
// filled to 72 characters, then the index (after one more space when it is 0 or more,
// so the digits line up with those of negative indexes). A name of 22 characters or
// more is kept whole and the star counted on from its end.
std::string compareline(const std::string& name, float index);

// The chart lines of the players who have rounds, in chart order. Under the WHS method a
// plus index is written with its "+" in the sign position, and a player without an index
// has neither star nor value.
std::vector<std::string> comparelines(const ProgramState& g);

Message listquestion();

// The printed listing: portrait, the heading, five spaces before each line, and after
// the 50th line a new page with the heading again (the roster holds at most 100).
void printcomparison(PrintSurface& s, const ProgramState& g, const std::vector<std::string>& lines,
                     const std::string& date);

} // namespace greenfold
