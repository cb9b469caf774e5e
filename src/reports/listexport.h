#pragma once

#include "lists/roundlines.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <optional>
#include <string>

namespace greenfold {

// "Export Listing as Text": the short list written to a text file of the user's
// choosing, CR LF line ends, no page breaks.

inline constexpr const char* exportfilter = "Text Files (*.TXT)";
inline constexpr const char* exporttitle = "Export Listing as Text";

// The file a chosen name is written to: ".txt" is added unless the name already ends in
// ".TXT" in any case. Nothing when the file's name (without its folder) is then shorter
// than 7 characters, which is what a cancelled dialog (an empty name) and a one-letter
// name come to; the command then only beeps.
std::optional<std::string> exportfilename(const std::string& chosen);

// Asked before ".txt" added after the save dialog would replace an existing file.
Message exportreplacequestion(const std::string& file);

// The bytes of the file: the league header (width 45), a line of one space, then the
// short list with its heading and rule.
std::string shortprintbytes(const ProgramState& g, const ListLines& lines, const std::string& date);

// Writes the file whole or not at all. A file that cannot be written says so: an
// export that silently did nothing would look like one that worked.
Outcome shortprintfile(const ProgramState& g, const ListLines& lines, const std::string& date,
                       const std::string& exportfile, const StreamWrap& wrap = {});

} // namespace greenfold
