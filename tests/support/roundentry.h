#pragma once

#include "scoring/scorecard.h"

namespace greenfold::testing {

// The round as the score window hands it to the engine: for the player, slot, course
// and date the set-up (or the round picker) left in the model.
inline RoundEntry sessionentry(const GOLF1& g, const DisplayedRound& round) {
    return {g.playerno, g.editslot, g.coursenum, g.curmonth, g.curday, g.curyear, round};
}

} // namespace greenfold::testing
