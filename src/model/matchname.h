#pragma once

#include <string>

namespace greenfold {

// The match file beside a league file ("Spring.LGE" keeps its match play in "Spring.mat").
// Its name lives here so that deleting, backing up, restoring and starting a new season
// carry it with the league; what is in it is match play's own business
// (matchplay/matchfile.h).
inline constexpr const char* matchsuffix = ".mat";

// The league file's name with ".mat" in place of its ".LGE", or added to it.
std::string matchfilename(const std::string& leaguefile);

} // namespace greenfold
