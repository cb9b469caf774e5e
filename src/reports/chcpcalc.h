#pragma once

#include <string>

namespace greenfold {

// The rule of the course handicap calculator window.

// The largest whole number not above index x slope / 113 + 0.5: halves round up, so
// -2.5 gives -2. The chart rounds halves to even instead (see chcpchart.h).
double calccoursehcp(double index, double slope);

// What the window shows after Calculate, and whether it beeps first: a prompt for an
// empty box, else "Course Handicap = " and the number. Text that does not begin with a
// number counts as 0.
struct CalcAnswer {
    bool beep = false;
    bool done = false; // a handicap was worked out
    std::string message;
};
CalcAnswer calculate(const std::string& indextext, const std::string& slopetext);

} // namespace greenfold
