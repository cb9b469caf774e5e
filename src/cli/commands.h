#pragma once

#include "cli/clidates.h"

#include <ostream>
#include <string>
#include <vector>

namespace greenfold {

// Where a run of greenfold-cli writes and what it takes from the machine. The program
// reads the clock and finds the settings folder once, in main; tests pass their own.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
    std::string systemdir;
    CalendarDate today;
};

// Carries out one command line and returns the exit status. Files are written only at
// the very end of a run that succeeded, each whole or not at all.
int runcli(const std::vector<std::string>& args, CliContext& ctx);

} // namespace greenfold
