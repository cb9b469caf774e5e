#include "results/ranking.h"

#include <algorithm>
#include <numeric>

namespace greenfold {

namespace {

constexpr std::array<int, 4> countbackholes = {9, 6, 3, 1};

// The holes played, in order: the 18, or the nine that was played.
std::vector<int> playedholes(const ResultLine& l) {
    std::vector<int> holes;
    const int first = l.out == 0 ? 9 : 0;
    const int last = l.in == 0 ? 9 : 18;
    for (int h = first; h < last; ++h) holes.push_back(l.holes[std::size_t(h)]);
    return holes;
}

bool countbackless(const Contender& a, const Contender& b) {
    return *a.countback < *b.countback;
}

} // namespace

Contender contender(const ResultLine& line, bool net) {
    Contender c;
    const int hcp = net && line.hcp ? *line.hcp : 0;
    c.score = line.gross() - hcp;
    if (line.totalsonly()) return c;
    const std::vector<int> holes = playedholes(line);
    const int n = int(holes.size());
    std::array<whs::Fraction, 4> keys{};
    for (std::size_t k = 0; k < countbackholes.size(); ++k) {
        const int last = std::min(countbackholes[k], n);
        const int sum = std::accumulate(holes.end() - last, holes.end(), 0);
        // The last 9 of 18 holes carry half the handicap, the last 6 a third and so on:
        // the share of the holes they are.
        keys[k] = whs::Fraction(sum) - whs::Fraction(int64_t(hcp) * last, n);
    }
    c.countback = keys;
    return c;
}

double sharedpoints(const std::vector<int>& points, int first, int count) {
    long total = 0;
    for (int place = first; place < first + count; ++place)
        if (place >= 1 && place <= int(points.size())) total += points[std::size_t(place - 1)];
    return count > 0 ? double(total) / count : 0;
}

std::vector<Placing> rank(const std::vector<Contender>& field, TieRule ties,
                          const std::vector<int>& points) {
    std::vector<std::size_t> order(field.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return field[a].score < field[b].score; });
    std::vector<Placing> placed(field.size());
    for (std::size_t start = 0; start < order.size();) {
        std::size_t end = start;
        while (end < order.size() && field[order[end]].score == field[order[start]].score) ++end;
        // Countback orders a tie only when every player in it has his hole scores; a
        // round of totals alone cannot be counted back, so the whole tie stands.
        const bool countable =
            ties == TieRule::countback &&
            std::all_of(order.begin() + long(start), order.begin() + long(end),
                        [&](std::size_t i) { return field[i].countback.has_value(); });
        if (countable)
            std::stable_sort(
                order.begin() + long(start), order.begin() + long(end),
                [&](std::size_t a, std::size_t b) { return countbackless(field[a], field[b]); });
        for (std::size_t k = start; k < end;) {
            std::size_t same = k + 1;
            while (same < end &&
                   (!countable || *field[order[same]].countback == *field[order[k]].countback))
                ++same;
            const int place = int(k) + 1, count = int(same - k);
            for (std::size_t j = k; j < same; ++j)
                placed[order[j]] = {place, sharedpoints(points, place, count)};
            k = same;
        }
        start = end;
    }
    return placed;
}

} // namespace greenfold
