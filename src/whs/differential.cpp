#include "whs/differential.h"

namespace greenfold::whs {

int parof(const Tee& tee, int firsthole, int holes) {
    int par = 0;
    for (int h = firsthole; h < firsthole + holes; ++h) par += tee.par[h];
    return par;
}

bool nineholerating(const Tee& tee) {
    return nineholerating(tee.rating, parof(tee, 0, 18));
}

bool nineholerating(Tenths rating, int par18) {
    return 4 * rating.v < 30 * par18; // in tenths: rating < par x 3 / 4
}

Rating eighteenrating(const Tee& tee) {
    if (nineholerating(tee))
        return {Fraction(tee.rating) * Fraction(2), tee.slope, parof(tee, 0, 18), true};
    return {tee.rating, tee.slope, parof(tee, 0, 18)};
}

Rating ninerating(const Tee& tee, int nine) {
    const int par = parof(tee, 9 * nine, 9);
    if (nineholerating(tee)) return {tee.rating, tee.slope, par, true};
    const Fraction overpar = Fraction(tee.rating) - Fraction(parof(tee, 0, 18));
    return {Fraction(par) + overpar / Fraction(2), tee.slope, par};
}

Rating ratingplayed(const Round& r) {
    return isnine(r) ? ninerating(r.tee, nineplayed(r)) : eighteenrating(r.tee);
}

Fraction scoredifferential(int ags, const Rating& rating) {
    return Fraction(113, rating.slope) * (Fraction(ags) - rating.cr);
}

Fraction expectednine(Tenths index) {
    return Fraction(index) / Fraction(2) + Fraction(1);
}

} // namespace greenfold::whs
