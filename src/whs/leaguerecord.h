#pragma once

#include "model/golf1.h"
#include "whs/record.h"

namespace greenfold::whs {

// Between the league and the method: the league's rounds and the course table as the
// method's plain records.

// Tee t (1..3) of course c as the course table has it: the tee's Course Rating and Slope
// Rating, the pars of the 18 holes and the stroke indexes of line 30 when that line holds
// a valid set. The classic method never reads line 30. A course or tee outside the table,
// or figures no course could have, give a tee without a slope, which cannot be rated.
Tee leaguetee(const GOLF1& g, int course, int tee);

} // namespace greenfold::whs
