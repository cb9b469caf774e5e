#include "whs/coursehandicap.h"

namespace greenfold::whs {

Tenths halfindex(Tenths index) {
    return roundtenths(Fraction(index) / Fraction(2));
}

Fraction coursehandicap(Tenths index, const Rating& rating) {
    return Fraction(index) * Fraction(rating.slope, 113) + (rating.cr - Fraction(rating.par));
}

int playinghandicap(Fraction coursehcp, int allowance) {
    return roundwhole(coursehcp * Fraction(allowance, 100));
}

HandicapCalc roundhandicap(Tenths index, const Round& r, int allowance) {
    HandicapCalc c;
    c.index = index;
    c.nine = isnine(r);
    c.used = c.nine ? halfindex(index) : index;
    c.rating = ratingplayed(r);
    c.allowance = allowance;
    c.course = coursehandicap(c.used, c.rating);
    c.playing = playinghandicap(c.course, allowance);
    return c;
}

} // namespace greenfold::whs
