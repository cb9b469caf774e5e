#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <string>
#include <string_view>
#include <vector>

namespace greenfold::whs {

// The program's own settings, beside the settings file: "key=value" lines ending CR LF.
inline constexpr const char* inifilename = "greenfold.ini";

using Method = HandicapMethod;

// method=classic|whs (classic when missing) and allowance=N, the handicap allowance in
// whole percent 1..100 (100 when missing). Lines with other keys are kept as they were and
// written back after these two. A method the program does not know, an allowance out of
// range or a file that is not plain text (saved as UTF-16) is refused: problem names the
// line and the values the key takes.
struct IniSettings {
    Method method = Method::classic;
    int allowance = 100;
    std::vector<std::string> otherlines;
    std::string problem;
};

// Reads the file's text; lines may end in LF alone. Keys and the method's value are
// read without regard to letter case or blanks around them.
IniSettings readini(std::string_view text);
std::string inibytes(const IniSettings& s);

// The file in the settings folder (see getsystemdir): a missing or unreadable file gives
// the defaults; a refused one its problem, beginning with the file's path. Saving replaces
// it whole or not at all; false when it could not be written.
IniSettings loadini(const std::string& systemdir);
bool saveini(const IniSettings& s, const std::string& systemdir, const StreamWrap& wrap = {});

// The method and the allowance of the file in the settings folder into the settings of g,
// where the program and greenfold-cli read the settings file at start-up. A refused file
// sets g.methodproblem and is noted as damaged; the outcome says what is wrong.
Outcome loadmethod(ProgramState& g, const std::string& systemdir);
// Writes the method and the allowance of g into the file, its other lines kept (a refused
// file is kept beside itself first and its lines are not). A file that cannot be written
// says so: the choice then lasts only until the program closes.
Outcome savemethod(ProgramState& g, const std::string& systemdir, const StreamWrap& wrap = {});

} // namespace greenfold::whs
