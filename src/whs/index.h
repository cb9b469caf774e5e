#pragma once

#include "whs/decimal.h"
#include "whs/record.h"

#include <optional>
#include <vector>

namespace greenfold::whs {

inline constexpr int recordsize = 20;      // the most recent differentials that count
inline constexpr Tenths maximumindex{540}; // Rule 5.3
inline constexpr Tenths softcapstart{30};  // Rule 5.8
inline constexpr Tenths hardcap{50};

// A row of the Rule 5.2a table: how many of the lowest differentials are averaged and the
// adjustment added, for 3..20 differentials.
struct TableRow {
    int used = 0;
    Tenths adjustment;
};
std::optional<TableRow> tablerow(int count);

enum class Cap { none, soft, hard };

// The caps against a Low Handicap Index (Rule 5.8): more than 3.0 above it, half the
// excess over 3.0 is cut and the result rounded; then never more than 5.0 above it. The
// unrounded soft-capped value is kept for the calculation panel.
struct Capped {
    Tenths index;
    Cap cap = Cap::none;
    Fraction softcapped;
};
Capped applycaps(Tenths calculated, Tenths low);

// An index and how it came about.
struct IndexCalc {
    int count = 0;
    TableRow row;
    std::vector<Tenths> lowest; // the differentials averaged, lowest first
    Fraction average;           // unrounded
    Tenths calculated;          // the average rounded, plus the adjustment
    std::optional<Tenths> low;  // the Low Handicap Index, when the caps apply
    Capped capped;
    bool maximum = false; // held to 54.0
    Tenths index;
};

// The index from the record's differentials, oldest first, of which the most recent 20
// count (Rules 5.2, 5.3). Nothing with fewer than 3. The caps apply once 20 count and
// there is a Low Handicap Index.
std::optional<IndexCalc> calculateindex(const std::vector<Tenths>& differentials,
                                        std::optional<Tenths> low);

// The Low Handicap Index (Rule 5.7): the lowest index issued in the 365 days up to the
// date of the most recent score before the one being posted, both days included. Nothing
// when none was issued in that time.
std::optional<Tenths> lowindex(const std::vector<Revision>& history, Date previous);

// The exceptional score reduction (Rule 5.9) from the index in effect before the round
// and the round's unrounded Score Differential: 7.0 to 9.9 better gives -1.0, 10.0 or more
// better -2.0, otherwise 0.
Tenths exceptionalreduction(Tenths ineffect, Fraction differential);

} // namespace greenfold::whs
