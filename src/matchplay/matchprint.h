#pragma once

#include "model/programstate.h"
#include "reports/printsurface.h"

#include <string>
#include <vector>

namespace greenfold::matchplay {

// Match play's lists on paper, portrait, under the list header with the league and the
// date: the schedule, a week's matches and the season table, as matchtext lays them out.
// The print font is made smaller when the widest line would not fit across the page, and
// for a list kept to one page (the schedule) when its lines would not fit down it, but
// never below the smallest size that reads well; a longer list goes on over more pages.
// False when the device failed.
inline constexpr float matchprintsize = 10;
inline constexpr float smallestprintsize = 6.5f;

bool printmatchlines(PrintSurface& s, const ProgramState& g, const std::vector<std::string>& lines,
                     const std::string& date, bool onepage);

// The font size the lines print in (see printmatchlines).
float fittedsize(PrintSurface& s, const std::string& font, const std::vector<std::string>& lines,
                 bool onepage);

} // namespace greenfold::matchplay
