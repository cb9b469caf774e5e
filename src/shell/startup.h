#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <string>

namespace greenfold {

// What the program reads before its main window shows: the month names, the settings
// file and greenfold.ini (the handicap method) from systemdir and the latest-league record
// from the data folder. When the record cannot be read the outcome carries its message
// and is not ok; the factor and font still get their defaults and the program goes on
// without a league list.
Outcome startup(ProgramState& g, const fs::path& datadir, const std::string& systemdir);

// After a restore has copied files back: the open league is closed (so nothing held in
// memory is saved over the restored files) and what start-up reads is read again, with
// the course table. The outcome also tells the user to open the league again when one
// was open.
Outcome afterrestore(ProgramState& g, const fs::path& datadir, const std::string& systemdir);

} // namespace greenfold
