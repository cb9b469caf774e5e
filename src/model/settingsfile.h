#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <istream>
#include <string>

namespace greenfold {

// The settings file "gfd32.ini": stroke control, the three handicap-card adjustments
// and the averaging option. It lives apart from the data folder, in a folder shared by
// every user of the machine where one can be written.
inline constexpr const char* settingsfilename = "gfd32.ini";

// The folder of the settings file, ending in a separator; "" means the working folder.
// Windows: the system folder when it can be written, else ProgramData\Greenfold.
// Elsewhere: /var/lib/greenfold when it exists and can be written, else the user's
// configuration folder ($XDG_CONFIG_HOME or ~/.config, then greenfold).
std::string getsystemdir();

// Reads the settings into g. A missing file, or one that fails before its fifth item,
// leaves the defaults (stroke control off, offsets 0, scaling 1, averaging off); a file
// of four items is read with averaging off. No message either way.
void readsettings(ProgramState& g, const std::string& systemdir);
void readsettings(ProgramState& g, std::istream& in);

// Writes the settings; false when the file could not be written (no message).
bool savesettings(ProgramState& g, const std::string& systemdir, const StreamWrap& wrap = {});
std::string settingsbytes(const ProgramState& g);

// What the program says while greenfold.ini is refused (g.methodproblem): at start, and
// when a league is to be opened.
Message methodrefusal(const ProgramState& g);

} // namespace greenfold
