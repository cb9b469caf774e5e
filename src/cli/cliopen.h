#pragma once

#include "model/golf1.h"
#include "model/safefile.h"

#include <string>

namespace greenfold {

// Opening a league the way the desktop program does, without writing anything: the
// settings, the list of leagues, the league file and the course table. The desktop
// remembers the league opened last; the command line leaves that record alone.

// The settings and the list of leagues. The problem is empty when the list was read.
std::string openfolder(GOLF1& g, const fs::path& dir, const std::string& systemdir);

struct LeagueOpened {
    std::string problem; // the league is unknown or its file could not be read
    std::string warning; // the course table could not be read
};

// The named league, found whatever its letter case, and the course table. Under the WHS
// method an index history file that cannot be read is a problem too: a command would
// otherwise work on without the indexes issued before.
LeagueOpened openleaguefile(GOLF1& g, const fs::path& dir, const std::string& name);

} // namespace greenfold
