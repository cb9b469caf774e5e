#include "reports/chcpcalc.h"

#include "model/textline.h"

#include <cmath>

namespace greenfold {

double calccoursehcp(double index, double slope) {
    const double result = std::floor(index * slope / 113 + 0.5);
    // A typed number too large for the arithmetic still gives an answer, not "inf".
    return std::isfinite(result) ? result : 0;
}

CalcAnswer calculate(const std::string& indextext, const std::string& slopetext) {
    if (indextext.empty()) return {true, false, "Enter your Hcp Index"};
    if (slopetext.empty()) return {true, false, "Enter the Slope Value"};
    const double slope = leadingnumber(slopetext);
    const double index = leadingnumber(indextext);
    return {false, true, "Course Handicap = " + generalformat(calccoursehcp(index, slope))};
}

} // namespace greenfold
