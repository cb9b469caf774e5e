#include "whs/differential.h"

namespace greenfold::whs {

int parof(const Tee& tee, int firsthole, int holes) {
    int par = 0;
    for (int h = firsthole; h < firsthole + holes; ++h) par += tee.par[h];
    return par;
}

Rating eighteenrating(const Tee& tee) {
    return {tee.rating, tee.slope, parof(tee, 0, 18)};
}

Rating ninerating(const Tee& tee, int nine) {
    const int par = parof(tee, 9 * nine, 9);
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
