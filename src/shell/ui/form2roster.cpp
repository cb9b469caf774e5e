// The roster and team commands.
#include "shell/ui/form2.h"

namespace greenfold {

void Form2::wireroster() {}

} // namespace greenfold
