#pragma once

#include "whs/decimal.h"
#include "whs/record.h"

namespace greenfold::whs {

// Course Rating, Slope Rating and par of the holes a round was played on: all 18, or one
// nine. A nine's rating can fall on a twentieth, so it is kept as a fraction.
struct Rating {
    Fraction cr;
    int slope = 0;
    int par = 0;
};

int parof(const Tee& tee, int firsthole, int holes);

// The 18-hole ratings of the tee.
Rating eighteenrating(const Tee& tee);

// A nine's ratings from the 18-hole ones, since the course record holds no others: the
// nine's par plus half of what the 18-hole rating is above par, and the same slope. It
// does not favour the nine with the lower par.
Rating ninerating(const Tee& tee, int nine);

// The ratings of the holes the round was played on.
Rating ratingplayed(const Round& r);

// 113 / Slope x (adjusted gross score - Course Rating), unrounded (Rule 5.1a). The
// playing conditions adjustment is always 0 in a league.
Fraction scoredifferential(int ags, const Rating& rating);

// The Score Differential a player of this index is expected to make over nine holes:
// index / 2 + 1.0, unrounded. The official formula is not published; this is what the
// older "net par plus one" made of a nine on a course of standard difficulty (Slope 113,
// rating equal to par). Only this function knows it.
Fraction expectednine(Tenths index);

} // namespace greenfold::whs
