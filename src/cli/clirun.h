#pragma once

#include "cli/cliargs.h"
#include "cli/cliopen.h"
#include "cli/commands.h"
#include "model/programstate.h"

#include <memory>
#include <string>

namespace greenfold {

// What every command of greenfold-cli does alike: say why it failed, deliver its output,
// open the league it works on.

// "greenfold-cli: text" on standard error; exit_data.
int fail(CliContext& ctx, const std::string& text);

// Standard output, or the file of -o written whole.
int deliver(CliContext& ctx, const CliRequest& r, const std::string& bytes);

// The league of a command, with the lock or guard it holds while the command runs.
struct Opened {
    std::unique_ptr<ProgramState> g;
    LeagueOpened held;
};

// The data folder and the league, or a message and nothing: read, or held for a change.
Opened openrequested(CliContext& ctx, const CliRequest& r, bool needcourses,
                     Access access = Access::read);

} // namespace greenfold
