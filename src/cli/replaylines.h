#pragma once

#include "model/programstate.h"
#include "scoring/replay.h"

#include <string>
#include <vector>

namespace greenfold {

// What greenfold-cli replay prints, a line a player:
//   Pat Green: index 13.0, under whs 12.4, difference -0.6; 20 rounds, 5 from the default tee
// A plus index carries its "+"; the difference is the new index less the old one. Rounds
// that could not be rated are counted at the end when there are any.
std::string replayline(const ReplayLine& line, HandicapMethod method);
std::string replaytext(const std::vector<ReplayLine>& lines, HandicapMethod method);

std::string methodname(HandicapMethod method);

} // namespace greenfold
