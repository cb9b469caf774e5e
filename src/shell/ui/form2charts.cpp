// The Analysis menu: handicap trends, scoring averages, league handicaps.
#include "shell/ui/form2.h"

namespace greenfold {

void Form2::wirecharts() {}

} // namespace greenfold
