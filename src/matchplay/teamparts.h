#pragma once

#include "matchplay/match.h"

#include <vector>

namespace greenfold::matchplay {

// The team parts of a team match, from each team's two slots as they play (their cards,
// match handicaps and best-ball handicaps known): the team net total, the team aggregate
// a hole and the best ball a hole, those with points above 0, in that order. A team whose
// two slots win nothing (both forfeited, or phantoms whose points are lost) wins no part.
std::vector<TeamPart> playteamparts(const std::vector<SlotPlay>& team1,
                                    const std::vector<SlotPlay>& team2, const MatchHoles& holes,
                                    const MatchSettings& s);

} // namespace greenfold::matchplay
