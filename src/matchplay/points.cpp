#include "matchplay/points.h"

#include <cstdlib>

namespace greenfold::matchplay {

std::string pointstext(Points p) {
    const int a = std::abs(p.halves);
    return (p.halves < 0 ? "-" : "") + std::to_string(a / 2) + (a % 2 ? ".5" : "");
}

} // namespace greenfold::matchplay
