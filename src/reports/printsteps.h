#pragma once

#include "model/programstate.h"
#include "reports/printsurface.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace greenfold {

// The steps every printed report is made of: the start of a page, the header line of a
// list and the cells of the course handicap chart.

// The font every report prints in: the settings' print font, "Courier New" when none
// is set.
std::string reportfontname(const ProgramState& g);

// Makes some other font of the device the current one, then prints a blank line. Some
// printers keep the font of the last job cached and ignore a request for the same name,
// so every page switches away first; the report then sets its own font.
void resetprintfont(PrintSurface& s, const std::string& printfont);

// The report's font: the print font at the given size, bold.
void setreportfont(PrintSurface& s, const ProgramState& g, float size);

// The start of a page: resetprintfont, then the report's font.
void startpage(PrintSurface& s, const ProgramState& g, float size);

// The first text line of a list: the league's name at column 6 and the program's name
// and the date at the fixed column 6 + width - 4, whatever the name's length. A name
// too long for that gets no filler at all rather than pushing nothing back.
std::string reportheader(const std::string& leaguefile, int width, const std::string& date);

// The standard start of a list document: orientation, font, four blank lines, the
// header and an empty line.
void startlist(PrintSurface& s, const ProgramState& g, int orientation, float size, int width,
               const std::string& date);

// The line of the course handicap chart being assembled, and its current cells.
struct ChartLine {
    std::string linetext;
    std::string idxtext;  // a handicap index cell, four characters for -9.9 .. 99.9
    std::string chcptext; // a course handicap cell
};

// idxtext: the index with one decimal, a leading space when it is 0 to 9.9.
void checkY(ChartLine& line, float value);
// Adds the current cells to linetext: 7 spaces, the index, 6 spaces, the handicap.
void buildline(ChartLine& line);

// Part of a text counted in characters, not bytes: from character first (0-based), at
// most count characters. Names and course initials may hold letters of several bytes.
std::string charsubstr(std::string_view text, std::size_t first, std::size_t count);

// Spaces to fill a text to width characters; none when it is already as wide.
std::string filler(std::string_view text, std::size_t width);

} // namespace greenfold
