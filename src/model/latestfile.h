#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <istream>
#include <string>

namespace greenfold {

// The latest-league record "GrnFld.DAT" in the data folder: the known leagues in File
// menu order, the handicap factor, the report font, the nine-hole option, the league
// opened last, the index limit and the date reminder.
inline constexpr const char* latestfilename = "GrnFld.DAT";

// Reads the record into g, whole or not at all. After a good read a factor below 0.5
// becomes .96 and an empty font "Courier New".
bool readlatest(std::istream& in, ProgramState& g);
Outcome loadlatest(ProgramState& g, const fs::path& dir = {});

std::string latestbytes(const ProgramState& g);
Outcome savelatest(ProgramState& g, const fs::path& dir = {}, const StreamWrap& wrap = {});

Message latestloadfailure();
Message latestsavefailure();

} // namespace greenfold
