#pragma once

#include "whs/decimal.h"

#include <ostream>

namespace greenfold::whs {

// Figures in failure messages read as figures. Every test file that compares them
// includes this, so that no file's printer of the same type dumps bytes instead.
inline void PrintTo(Tenths t, std::ostream* os) {
    *os << tenthstext(t);
}
inline void PrintTo(const Fraction& f, std::ostream* os) {
    *os << f.num() << "/" << f.den();
}

} // namespace greenfold::whs
