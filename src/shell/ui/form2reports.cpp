// Printing: the handicap lists, the text export, printer set-up, the course handicap
// chart and calculator, the handicap cards.
#include "shell/ui/form2.h"

namespace greenfold {

void Form2::wirereports() {}

} // namespace greenfold
