#include "whs/strokeindex.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <vector>

namespace greenfold::whs {

namespace {

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
        if (j > i) out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

std::optional<int> number(std::string_view word) {
    int n = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), n);
    if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return n;
}

// Whether holes [first, first + count) hold 1..count once each.
bool numbersonce(const StrokeIndexes& si, int first, int count) {
    std::vector<bool> seen(count + 1, false);
    for (int h = first; h < first + count; ++h) {
        const int n = si[h];
        if (n < 1 || n > count || seen[n]) return false;
        seen[n] = true;
    }
    return true;
}

bool nineholecourse(const StrokeIndexes& si) {
    return numbersonce(si, 0, 9) && numbersonce(si, 9, 9);
}

} // namespace

std::optional<StrokeIndexes> parsestrokeindexes(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto w = words(line);
    if (w.size() != 19 || w[0] != "SI") return std::nullopt;
    StrokeIndexes si{};
    for (int h = 0; h < 18; ++h) {
        const auto n = number(w[h + 1]);
        if (!n) return std::nullopt;
        si[h] = *n;
    }
    if (numbersonce(si, 0, 18) || nineholecourse(si)) return si;
    return std::nullopt;
}

std::string strokeindexline(const StrokeIndexes& si) {
    std::string line = "SI";
    for (int n : si) line += " " + std::to_string(n);
    return line;
}

StrokeIndexes eighteenorder(const StrokeIndexes& si) {
    if (!nineholecourse(si)) return si;
    StrokeIndexes order{};
    for (int h = 0; h < 18; ++h) order[h] = h < 9 ? 2 * si[h] - 1 : 2 * si[h];
    return order;
}

std::array<int, 9> nineorder(const StrokeIndexes& si, int nine) {
    std::array<int, 9> holes{};
    std::iota(holes.begin(), holes.end(), 9 * nine);
    std::sort(holes.begin(), holes.end(), [&](int a, int b) { return si[a] < si[b]; });
    std::array<int, 9> order{};
    for (int rank = 0; rank < 9; ++rank) order[holes[rank] - 9 * nine] = rank + 1;
    return order;
}

int strokesreceived(int coursehcp, int order, int holes) {
    // floor((ch - order) / holes) + 1 counts how often the allocation passes this hole:
    // SI 1 again as 19, 37, 55, and for a plus handicap back from the last hole.
    const int d = coursehcp - order;
    const int q = d / holes;
    return (d % holes != 0 && d < 0 ? q - 1 : q) + 1;
}

} // namespace greenfold::whs
