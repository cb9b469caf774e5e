#include "charts/chartplayer.h"

#include <algorithm>

namespace greenfold {

std::vector<int> listedslots(const ProgramState& g) {
    std::vector<int> slots;
    const int count = std::clamp<int>(g.playercount, 0, maxplayers);
    for (int p = 1; p <= count; ++p)
        if (!g.playername[p].empty()) slots.push_back(p);
    return slots;
}

bool chartedplayer(const ProgramState& g, int p) {
    return p >= 1 && p <= std::min<int>(g.playercount, maxplayers);
}

int keptrounds(const ProgramState& g, int p) {
    if (!chartedplayer(g, p)) return 0;
    return std::clamp<int>(g.roundcount[p], 0, maxrounds);
}

float currentindex(const ProgramState& g, int p) {
    return chartedplayer(g, p) ? g.hcpindex[p][keptrounds(g, p)] : 0.0f;
}

} // namespace greenfold
