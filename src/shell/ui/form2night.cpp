// League night: the course commands, entering and correcting rounds, the settings.
#include "shell/ui/form2.h"

namespace greenfold {

void Form2::wireleaguenight() {}

} // namespace greenfold
