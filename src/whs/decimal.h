#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace greenfold::whs {

// The World Handicap System method counts in exact decimals. Every published figure is a
// whole number of tenths (or a whole number), and every step between two rounded figures
// is an exact fraction, so a half is always a half: 22.05 held in a binary float is
// 22.04999..., which would round down where the rules round up.

// A figure in tenths: 22.1 is {221}. A plus index, +2.1, is {-21}.
struct Tenths {
    int32_t v = 0;
    friend constexpr auto operator<=>(Tenths, Tenths) = default;
};
constexpr Tenths operator+(Tenths a, Tenths b) {
    return {a.v + b.v};
}
constexpr Tenths operator-(Tenths a, Tenths b) {
    return {a.v - b.v};
}

// An exact fraction num / den, den > 0, always in lowest terms.
class Fraction {
  public:
    constexpr Fraction() = default;
    Fraction(int64_t num, int64_t den);
    // Whole numbers and tenths turn into fractions where they meet one.
    Fraction(int whole) : Fraction(whole, 1) {}
    Fraction(Tenths t) : Fraction(t.v, 10) {}

    int64_t num() const { return num_; }
    int64_t den() const { return den_; }

    friend Fraction operator+(Fraction a, Fraction b);
    friend Fraction operator-(Fraction a, Fraction b);
    friend Fraction operator*(Fraction a, Fraction b);
    friend Fraction operator/(Fraction a, Fraction b);
    friend bool operator==(Fraction a, Fraction b) = default;
    friend std::strong_ordering operator<=>(Fraction a, Fraction b);

  private:
    int64_t num_ = 0;
    int64_t den_ = 1;
};

// Rounding to the nearest tenth or whole number, a half going up toward plus infinity
// (Rule 5.1c): 22.05 is 22.1, -1.55 is -1.5, 12.5 is 13 and -4.5 (a plus 4.5) is -4.
Tenths roundtenths(Fraction f);
int roundwhole(Fraction f);

// The tenths a binary number stands for. The league keeps its figures as Singles and the
// course table's ratings are read as doubles; each stands for a decimal of at most four
// places, which is rounded to tenths as above. A value beyond any figure of a league (or
// not a number) is 0.
Tenths tenthsnear(double value);

// "22.1", "-1.5", "0.0".
std::string tenthstext(Tenths t);

// A Handicap Index or Course Handicap as golfers write it: a plus handicap, held as a
// negative number, carries a "+" ("+2.1", "+2"); zero and the others carry no sign.
std::string indextext(Tenths index);
std::string handicaptext(int handicap);

// An unrounded step for the calculation panel: at most four decimals, trailing zeros
// dropped down to one, and "..." when digits were cut off ("17.176", "22.05",
// "8.3628...").
std::string fractiontext(Fraction f);

} // namespace greenfold::whs
