#pragma once

#include "lists/roundlines.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "reports/printsurface.h"

#include <string>

namespace greenfold {

// The printed handicap lists: the two lists of the main window side by side, exactly
// as the window shows them. Entry 0 of each list is the column heading, entry 1 the
// rule, the data lines follow.

// The rules under the headings.
std::string longrule();  // 6 spaces, 129 dashes
std::string shortrule(); // 6 spaces, 82 underscores

// Name width of the lists: shorter names are filled to it, longer ones are written
// whole and push the rest of their line to the right.
inline constexpr std::size_t listnamewidth = 22;

// A list line with every column: name and round text.
std::string longline(const std::string& name, const std::string& round);
// A list line without the hole scores: date to index (characters 1..42 of the round
// text) and course handicap with the number of rounds (characters 95..110).
std::string shortline(const std::string& name, const std::string& round);

// Whether there is anything to print: a heading, a rule and one data line at least.
bool listprintable(const ListLines& lines);

// The question "&Print" asks: Yes the long list, No the short one.
Message printquestion();

// The long list in landscape at 9 points, with the hole scores. Pages break after
// entries 43 and 86, each new page repeating the heading and the rule; past that the
// surface's own page overflow carries the list on.
void printlongreport(PrintSurface& s, const ProgramState& g, const ListLines& lines,
                     const std::string& date);

// The short list in portrait at 10 points, breaking once, after entry 53.
void printshortreport(PrintSurface& s, const ProgramState& g, const ListLines& lines,
                      const std::string& date);

} // namespace greenfold
