#include "whs/decimal.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace greenfold::whs {

namespace {

// Division rounding toward minus infinity, for a positive divisor.
int64_t floordiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// The nearest whole number of num / den, a half going up: floor(num / den + 1/2).
int64_t roundhalfup(int64_t num, int64_t den) {
    return floordiv(2 * num + den, 2 * den);
}

} // namespace

Fraction::Fraction(int64_t num, int64_t den) : num_(num), den_(den) {
    if (den_ < 0) {
        num_ = -num_;
        den_ = -den_;
    }
    const int64_t g = std::gcd(num_, den_);
    if (g > 1) {
        num_ /= g;
        den_ /= g;
    }
}

Fraction operator+(Fraction a, Fraction b) {
    return {a.num_ * b.den_ + b.num_ * a.den_, a.den_ * b.den_};
}

Fraction operator-(Fraction a, Fraction b) {
    return {a.num_ * b.den_ - b.num_ * a.den_, a.den_ * b.den_};
}

Fraction operator*(Fraction a, Fraction b) {
    return {a.num_ * b.num_, a.den_ * b.den_};
}

Fraction operator/(Fraction a, Fraction b) {
    return {a.num_ * b.den_, a.den_ * b.num_};
}

std::strong_ordering operator<=>(Fraction a, Fraction b) {
    return a.num_ * b.den_ <=> b.num_ * a.den_;
}

Tenths roundtenths(Fraction f) {
    return {static_cast<int32_t>(roundhalfup(f.num() * 10, f.den()))};
}

int roundwhole(Fraction f) {
    return static_cast<int>(roundhalfup(f.num(), f.den()));
}

Tenths tenthsnear(double value) {
    if (!(std::fabs(value) < 1e8)) return {};
    return roundtenths(Fraction(std::llround(value * 10000), 10000));
}

std::string tenthstext(Tenths t) {
    const int a = std::abs(t.v);
    return (t.v < 0 ? "-" : "") + std::to_string(a / 10) + "." + std::to_string(a % 10);
}

std::string indextext(Tenths index) {
    if (index.v < 0) return "+" + tenthstext({-index.v});
    return tenthstext(index);
}

std::string handicaptext(int handicap) {
    if (handicap < 0) return "+" + std::to_string(-handicap);
    return std::to_string(handicap);
}

std::string fractiontext(Fraction f) {
    const int64_t num = std::llabs(f.num());
    const int64_t scaled = num * 10000 / f.den();
    std::string decimals = std::to_string(10000 + scaled % 10000).substr(1);
    while (decimals.size() > 1 && decimals.back() == '0') decimals.pop_back();
    std::string text = (f.num() < 0 ? "-" : "") + std::to_string(scaled / 10000) + "." + decimals;
    if (num * 10000 % f.den() != 0) text += "...";
    return text;
}

} // namespace greenfold::whs
