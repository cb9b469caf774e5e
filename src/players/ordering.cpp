#include "players/ordering.h"

#include "model/textline.h"
#include "players/roster.h"

#include <algorithm>

namespace greenfold {

std::string orderline(int position, const std::string& name) {
    std::string number = formatpattern(position, "#0");
    if (number.size() < 3) number.insert(0, 3 - number.size(), ' ');
    return number + "  " + name;
}

std::vector<OrderLine> orderlines(const ProgramState& g) {
    std::vector<OrderLine> lines;
    for (int p = 1; p <= g.playercount; ++p)
        if (!g.playername[p].empty()) lines.push_back({p, orderline(p, g.playername[p])});
    return lines;
}

std::string ordername(const std::string& line) {
    return line.size() > 5 ? line.substr(5) : std::string();
}

int clampposition(const ProgramState& g, double typed) {
    if (!(typed >= 1)) return 1; // below 1, or not a number at all
    if (typed > g.playercount) return std::max<int>(g.playercount, 1);
    return static_cast<int>(typed);
}

bool moveplayer(ProgramState& g, int from, int target) {
    const int n = g.playercount;
    if (from == target || from < 1 || from > n || target < 1 || target > n) return false;
    copyplayer(g, from, 0);
    for (int p = from; p < n; ++p) copyplayer(g, p + 1, p);
    for (int p = n; p > target; --p) copyplayer(g, p - 1, p);
    copyplayer(g, 0, target);
    clearplayer(g, 0);
    return true;
}

} // namespace greenfold
