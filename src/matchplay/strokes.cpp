#include "matchplay/strokes.h"

#include <algorithm>
#include <numeric>

namespace greenfold::matchplay {

MatchHoles matchholes(const whs::StrokeIndexes& si, Nine nine) {
    MatchHoles m;
    const int first = nine == Nine::back ? 9 : 0;
    const int count = nine == Nine::all ? 18 : 9;
    m.holes.resize(std::size_t(count));
    std::iota(m.holes.begin(), m.holes.end(), first);
    std::vector<int> order = m.holes;
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return si[std::size_t(a)] < si[std::size_t(b)]; });
    for (std::size_t r = 0; r < order.size(); ++r) m.rank[std::size_t(order[r])] = int(r) + 1;
    return m;
}

int matchhandicap(whs::Fraction coursehcp, int allowance) {
    return whs::roundwhole(coursehcp * whs::Fraction(allowance, 100));
}

HoleStrokes allocate(int strokes, const MatchHoles& holes) {
    HoleStrokes out{};
    for (int h : holes.holes)
        out[std::size_t(h)] =
            whs::strokesreceived(strokes, holes.rank[std::size_t(h)], holes.count());
    return out;
}

std::pair<int, int> matchstrokes(int mh1, int mh2, const MatchSettings& s) {
    if (s.strokes == Strokes::full) return {mh1, mh2};
    int d = std::abs(mh1 - mh2);
    if (s.maxstrokes > 0) d = std::min(d, s.maxstrokes);
    return mh1 > mh2 ? std::pair{d, 0} : std::pair{0, mh2 > mh1 ? d : 0};
}

std::array<int, 18> parcard(const CourseHoles& c, const MatchHoles& holes, int mh, int penalty) {
    const HoleStrokes strokes = allocate(mh + penalty, holes);
    std::array<int, 18> card{};
    for (int h : holes.holes)
        card[std::size_t(h)] = c.par[std::size_t(h)] + strokes[std::size_t(h)];
    return card;
}

} // namespace greenfold::matchplay
