#pragma once

#include "whs/decimal.h"
#include "whs/record.h"

namespace greenfold::whs {

// Course Rating, Slope Rating and par of the holes a round was played on: all 18, or one
// nine. A nine's rating can fall on a twentieth, so it is kept as a fraction. nineholes:
// the tee's rating is a nine's own (see nineholerating).
struct Rating {
    Fraction cr;
    int slope = 0;
    int par = 0;
    bool nineholes = false;
};

int parof(const Tee& tee, int firsthole, int holes);

// Whether the tee's Course Rating is a nine-hole rating: one below three quarters of the
// course's 18-hole par. A nine-hole course is kept as 18 holes, its nine twice over, with
// the nine's own ratings (33.8 on a nine of par 36, 72 over the 18).
bool nineholerating(const Tee& tee);
bool nineholerating(Tenths rating, int par18);

// The 18-hole ratings of the tee. A nine-hole rating counts twice over the 18 holes, with
// their par (twice the nine's); the slope stands as it is.
Rating eighteenrating(const Tee& tee);

// A nine's ratings. A nine-hole rating is the nine's own, with the nine's par and the
// slope as it stands. Otherwise they come from the 18-hole ones, since the course record
// holds no others: the nine's par plus half of what the 18-hole rating is above par, and
// the same slope. It does not favour the nine with the lower par.
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
