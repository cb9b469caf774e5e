#pragma once

#include <string>

namespace greenfold {

// The results file beside a league file ("Spring.LGE" keeps its nights in "Spring.res").
// Its name lives here so that deleting, backing up and restoring a league carry it with
// the league; what is in it is the results' own business (results/resultsfile.h).
inline constexpr const char* resultssuffix = ".res";

// The league file's name with ".res" in place of its ".LGE", or added to it.
std::string resultsfilename(const std::string& leaguefile);

} // namespace greenfold
