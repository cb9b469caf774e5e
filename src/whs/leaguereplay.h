#pragma once

#include "model/programstate.h"
#include "whs/account.h"

namespace greenfold::whs {

// Works player p's kept rounds out again, in slot order, under the method: after one of
// them was edited or deleted, or for the whole league. The indexes issued before the
// player's oldest kept round stay in his history; those of the kept rounds are issued
// again. A round played from a tee the history does not name is worked out from the
// player's default tee; a round that cannot be rated (its tee has no slope) keeps its
// figures. The account of slot accountslot, when asked for, is the calculation panel's.
struct ReplayCount {
    int rounds = 0;
    int defaulttee = 0; // worked out from the default tee
    int unrated = 0;
};
ReplayCount replayplayer(ProgramState& g, int p, int accountslot = 0, Account* account = nullptr);

} // namespace greenfold::whs
