#pragma once

#include "whs/decimal.h"
#include "whs/differential.h"
#include "whs/record.h"

namespace greenfold::whs {

// Half an index rounded to a tenth, for a nine: 8.7 gives 4.35, which is 4.4.
Tenths halfindex(Tenths index);

// Course Handicap, unrounded: index x Slope / 113 + (Course Rating - par) (Rule 6.1). For a
// nine pass the half index and the nine's ratings.
Fraction coursehandicap(Tenths index, const Rating& rating);

// Playing Handicap: the unrounded Course Handicap times the allowance (whole percent),
// rounded once (Rule 6.2). A plus handicap moves up toward 0 with the rounding.
int playinghandicap(Fraction coursehcp, int allowance);

// The handicap of a round on its tee from an index, with its steps: the nine's course
// handicap for a nine-hole round.
struct HandicapCalc {
    Tenths index;
    Tenths used; // the index, or half of it for a nine
    bool nine = false;
    Rating rating;
    int allowance = 100;
    Fraction course; // unrounded Course Handicap
    int playing = 0;
};
HandicapCalc roundhandicap(Tenths index, const Round& r, int allowance);

} // namespace greenfold::whs
