#include "whs/index.h"

#include <algorithm>
#include <array>

namespace greenfold::whs {

namespace {

// Rule 5.2a by the number of differentials in the record (0..2: no index yet).
constexpr std::array<int, recordsize + 1> usedtable = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3,
                                                       3, 4, 4, 4, 5, 5, 6, 6, 7, 8};
constexpr std::array<int, recordsize + 1> adjustmenttable = {0, 0, 0, -20, -10, 0, -10};

Fraction averageof(const std::vector<Tenths>& values) {
    Fraction sum;
    for (Tenths t : values) sum = sum + Fraction(t);
    return sum / Fraction(static_cast<int>(values.size()));
}

} // namespace

std::optional<TableRow> tablerow(int count) {
    if (count < 3 || count > recordsize) return std::nullopt;
    return TableRow{usedtable[count], {adjustmenttable[count]}};
}

Capped applycaps(Tenths calculated, Tenths low) {
    Capped c{calculated, Cap::none, Fraction(calculated)};
    if (calculated - low <= softcapstart) return c;
    const Fraction excess = Fraction(calculated - low) - Fraction(softcapstart);
    c.softcapped = Fraction(low + softcapstart) + excess / Fraction(2);
    c.index = roundtenths(c.softcapped);
    c.cap = Cap::soft;
    if (c.index - low > hardcap) {
        c.index = low + hardcap;
        c.cap = Cap::hard;
    }
    return c;
}

std::optional<IndexCalc> calculateindex(const std::vector<Tenths>& differentials,
                                        std::optional<Tenths> low) {
    const int count = std::min(static_cast<int>(differentials.size()), recordsize);
    const auto row = tablerow(count);
    if (!row) return std::nullopt;
    IndexCalc c;
    c.count = count;
    c.row = *row;
    c.lowest.assign(differentials.end() - count, differentials.end());
    std::sort(c.lowest.begin(), c.lowest.end());
    c.lowest.resize(row->used);
    c.average = averageof(c.lowest);
    c.calculated = roundtenths(c.average) + row->adjustment;
    c.capped = {c.calculated, Cap::none, Fraction(c.calculated)};
    if (count == recordsize && low) {
        c.low = low;
        c.capped = applycaps(c.calculated, *low);
    }
    c.maximum = c.capped.index > maximumindex;
    c.index = std::min(c.capped.index, maximumindex);
    return c;
}

std::optional<Tenths> lowindex(const std::vector<Revision>& history, Date previous) {
    const int last = daynumber(previous);
    std::optional<Tenths> low;
    for (const Revision& r : history) {
        const int day = daynumber(r.date);
        if (day < last - 365 || day > last) continue;
        if (!low || r.index < *low) low = r.index;
    }
    return low;
}

Tenths exceptionalreduction(Tenths ineffect, Fraction differential) {
    const Fraction better = Fraction(ineffect) - differential;
    if (better >= Fraction(10)) return {-20};
    if (better >= Fraction(7)) return {-10};
    return {0};
}

} // namespace greenfold::whs
