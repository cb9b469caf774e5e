#pragma once

#include "model/leaguecommit.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <string>

namespace greenfold {

// Opening a league the way the desktop program does, without writing anything: the
// settings, the list of leagues, the league file and the course table. The desktop
// remembers the league opened last; the command line leaves that record alone.

// The settings and the list of leagues. The problem is empty when the list was read.
std::string openfolder(ProgramState& g, const fs::path& dir, const std::string& systemdir);

// How a command uses the league: reading it, or changing it.
enum class Access { read, write };

struct LeagueOpened {
    std::string problem; // the league is unknown, in use or its file could not be read
    std::string warning; // the course table could not be read
    LeagueLock writer;   // held by a command that changes the league
    ReadGuard reader;    // held by a command that reads it
};

// The named league, found whatever its letter case, and the course table. A command that
// changes the league holds its writer's lock (refused when another program holds it) and
// first finishes or undoes what a writer before it left; one that reads it waits for a
// change in progress. Under the WHS method an index history file that cannot be read is a
// problem too: a command would otherwise work on without the indexes issued before.
LeagueOpened openleaguefile(ProgramState& g, const fs::path& dir, const std::string& name,
                            Access access = Access::read);

} // namespace greenfold
