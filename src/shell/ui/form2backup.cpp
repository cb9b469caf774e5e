// Backing the data files up and restoring them.
#include "shell/ui/form2.h"

namespace greenfold {

void Form2::wirebackup() {}

} // namespace greenfold
