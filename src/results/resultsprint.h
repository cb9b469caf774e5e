#pragma once

#include "model/programstate.h"
#include "reports/printsurface.h"

#include <string>
#include <vector>

namespace greenfold {

// A night's results or the season's standings on paper, portrait: the list header with
// the league and today's date, then the lines as resultstext lays them out, page after
// page. False when the device failed.
bool printresults(PrintSurface& s, const ProgramState& g, const std::vector<std::string>& lines,
                  const std::string& date);

// The printout's header line: the league's name, the program's name and the date.
std::string resultsheader(const ProgramState& g, const std::string& date);

} // namespace greenfold
