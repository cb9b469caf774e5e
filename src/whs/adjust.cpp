#include "whs/adjust.h"

#include <algorithm>
#include <numeric>

namespace greenfold::whs {

namespace {

struct Played {
    int first = 0; // index of the first hole played
    int count = 18;
};

Played holesof(const Round& r) {
    if (isnine(r)) return {9 * nineplayed(r), 9};
    return {};
}

bool totalsonly(const Round& r, Played p) {
    return std::all_of(r.holes.begin() + p.first, r.holes.begin() + p.first + p.count,
                       [](int s) { return s == 0; });
}

// Strokes on each played hole, in stroke index order.
std::vector<int> bystrokeindex(const Round& r, Played p, int ch) {
    const StrokeIndexes& si = *r.tee.strokeindex;
    const StrokeIndexes eighteen = eighteenorder(si);
    const std::array<int, 9> nine = nineorder(si, nineplayed(r));
    std::vector<int> strokes;
    for (int h = p.first; h < p.first + p.count; ++h) {
        const int order = p.count == 9 ? nine[h - p.first] : eighteen[h];
        strokes.push_back(strokesreceived(ch, order, p.count));
    }
    return strokes;
}

// Strokes on each played hole without stroke indexes, for the player's benefit.
std::vector<int> forbenefit(const Round& r, Played p, int ch) {
    const int shared = strokesreceived(ch, p.count, p.count); // what the last hole gets
    const int rest = ch - shared * p.count;
    std::vector<int> strokes(p.count, shared);
    auto gain = [&](int i) {
        const int par = r.tee.par[p.first + i];
        const int limit = holelimit(par, shared);
        const bool raises = holelimit(par, shared + 1) > limit;
        return raises ? std::max(0, r.holes[p.first + i] - limit) : 0;
    };
    std::vector<int> holes(p.count);
    std::iota(holes.begin(), holes.end(), 0);
    std::stable_sort(holes.begin(), holes.end(), [&](int a, int b) { return gain(a) > gain(b); });
    for (int k = 0; k < rest; ++k) ++strokes[holes[k]];
    return strokes;
}

} // namespace

int holelimit(int par, int strokes) {
    return par + 2 + std::min(strokes, 3);
}

Adjustment adjustround(const Round& r, std::optional<int> coursehcp) {
    Adjustment a;
    a.coursehcp = coursehcp;
    a.gross = r.out + r.in;
    a.ags = a.gross;
    const Played p = holesof(r);
    a.totalsonly = totalsonly(r, p);
    if (a.totalsonly) return a;

    std::vector<int> strokes(p.count, 3); // par + 5 before the player has an index
    if (coursehcp) {
        a.nostrokeindex = !r.tee.strokeindex;
        strokes = a.nostrokeindex ? forbenefit(r, p, *coursehcp) : bystrokeindex(r, p, *coursehcp);
    }
    for (int i = 0; i < p.count; ++i) {
        const int h = p.first + i;
        const int limit = holelimit(r.tee.par[h], strokes[i]);
        a.holes[h] = std::min(r.holes[h], limit);
        if (r.holes[h] <= limit) continue;
        a.adjusted.push_back({h + 1, r.holes[h], limit});
        a.ags -= r.holes[h] - limit;
    }
    return a;
}

} // namespace greenfold::whs
