#pragma once

#include "cli/cliargs.h"

#include <string>

namespace greenfold {

// What --help prints: the program's overview, or one command's full description.
std::string programhelp();
std::string commandhelp(CliCommand command);

// The line that follows a usage error.
std::string tryhelp();

} // namespace greenfold
