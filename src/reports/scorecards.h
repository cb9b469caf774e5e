#pragma once

#include "reports/printsurface.h"

#include <array>
#include <string>
#include <vector>

namespace greenfold {

// Scorecards handed out before a night: the holes to be played with their par and stroke
// index, and a line for each player with his name, his handicap and a mark on every hole
// where he receives a stroke (a dot a stroke, a cross for a stroke given back), the rest of
// the line left for his scores. As many cards as fit go on a portrait page, a dashed cut
// line between them.

struct CardLine {
    std::string name;
    std::string handicap;          // as written beside the name: "7", "+2"; empty for none
    std::array<int, 18> strokes{}; // by hole; negative: given back
    bool newmatch = false;         // a heavier rule above it: the next match of the card
};

struct Scorecard {
    std::string heading;    // left, bold: "Eagles v Hawks"
    std::string title;      // right: "Week 3, 07/21/26, front nine, Cedar Ridge"
    std::vector<int> holes; // 0-based, in the order played: 1-9, 10-18 or 1-18
    std::array<int, 18> par{};
    std::array<int, 18> index{}; // the course's stroke index of each hole; 0 for none
    std::vector<CardLine> lines;
    std::string note; // under the grid, small: what could not be marked, and why
};

// The cards, in order, in the report font; the number printed. Every position is a
// fraction of the printable page, so a card looks the same on any printer.
int printscorecards(PrintSurface& s, const std::vector<Scorecard>& cards, const std::string& font);

} // namespace greenfold
