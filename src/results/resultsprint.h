#pragma once

#include "model/programstate.h"
#include "reports/printsurface.h"

#include <string>
#include <vector>

namespace greenfold {

// A night's results, its skins sheet or the season's standings on paper, portrait: the list
// header with the league and today's date, then the lines as resultstext and skinstext lay
// them out, page after page. Every page after the first starts as the first does and says
// what it continues: the title, and when the page breaks inside a table, the lines that
// head that table (its flight or game, its column heading). False when the device failed.
bool printresults(PrintSurface& s, const ProgramState& g, const std::vector<std::string>& lines,
                  const std::string& date);

// The printout's header line: the league's name, the program's name and the date.
std::string resultsheader(const ProgramState& g, const std::string& date);

// What a page that starts at line at repeats under the header: the title marked
// "(continued)", then the heading of the table line at is in.
std::vector<std::string> continuedheading(const std::vector<std::string>& lines, std::size_t at);

} // namespace greenfold
