#include "results/ranking.h"

#include <algorithm>
#include <numeric>
#include <span>

namespace greenfold {

namespace {

constexpr std::array<int, 4> countbackholes = {9, 6, 3, 1};

// The holes played, in order: the 18, or the nine that was played.
std::span<const int16_t> playedholes(const ResultLine& l) {
    const std::size_t first = l.out == 0 ? 9 : 0;
    const std::size_t last = l.in == 0 ? 9 : 18;
    return std::span<const int16_t>(l.holes).subspan(first, last - first);
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
    const std::span<const int16_t> holes = playedholes(line);
    if (holes.empty()) return c; // no total on either nine: nothing to count back on
    const long n = long(holes.size());
    std::array<long, 4> keys{};
    for (std::size_t k = 0; k < countbackholes.size(); ++k) {
        const long last = std::min<long>(countbackholes[k], n);
        const long sum = std::accumulate(holes.end() - last, holes.end(), 0L);
        // The last 9 of 18 holes carry half the handicap, the last 6 a third and so on:
        // the share of the holes they are.
        keys[k] = 18 * sum - long(hcp) * last * (18 / n);
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
