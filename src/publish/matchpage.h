#pragma once

#include "model/programstate.h"
#include "model/safefile.h"

#include <string>

namespace greenfold {

// The standings web page's match play: the season's table of match points and the newest
// played week's matches, part by part, as sections of the page (escaped, no scripts).
// Empty for a league that does not play match play.
std::string matchsections(ProgramState& g, const fs::path& dir = {});

} // namespace greenfold
