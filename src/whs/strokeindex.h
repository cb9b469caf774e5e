#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace greenfold::whs {

// The stroke index of each hole, hole 1 first. An 18-hole course numbers its holes 1..18;
// a nine-hole course numbers its nine 1..9 and repeats it for holes 10..18.
using StrokeIndexes = std::array<int, 18>;

// Reads the stroke index line of a course record, "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18
// 6 14 10": "SI" and 18 numbers, either 1..18 once each or 1..9 once each in each nine.
// Nothing for an empty line or any other line.
std::optional<StrokeIndexes> parsestrokeindexes(std::string_view line);

// The line for a course record, as parsestrokeindexes reads it.
std::string strokeindexline(const StrokeIndexes& si);

// The order in which the 18 holes receive strokes (1 first). An 18-hole numbering is its
// own order; a nine-hole course's number n counts as 2n - 1 on the front nine and 2n on
// the back, so strokes alternate between the two loops.
StrokeIndexes eighteenorder(const StrokeIndexes& si);

// The order 1..9 in which the holes of one nine (0 front, 1 back) receive strokes: by
// their stroke indexes, lowest first (Appendix E).
std::array<int, 9> nineorder(const StrokeIndexes& si, int nine);

// Strokes received on the hole that comes order-th (1..holes) from a course handicap over
// holes holes (18, or 9 for a nine): 20 gives the first two holes 2 and the rest 1, and a
// plus handicap (negative) gives strokes back from the last hole up, +2 on 18 and 17.
int strokesreceived(int coursehcp, int order, int holes);

} // namespace greenfold::whs
