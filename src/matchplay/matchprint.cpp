#include "matchplay/matchprint.h"

#include "reports/printsteps.h"

#include <algorithm>
#include <cmath>

namespace greenfold::matchplay {

namespace {

constexpr int headerwidth = 50;
// Above the lines: the blank line of the font's reset, four blank lines, the header and a
// blank line; and a little room for the device's line spacing.
constexpr std::size_t startlines = 8;

} // namespace

float fittedsize(PrintSurface& s, const std::string& font, const std::vector<std::string>& lines,
                 bool onepage) {
    s.setorientation(orientation_portrait);
    s.setfontname(font);
    s.setfontsize(matchprintsize);
    s.setbold(true);
    double widest = 0;
    for (const std::string& l : lines) widest = std::max(widest, s.measurewidth(l));
    double size = matchprintsize;
    if (widest > s.pagewidth()) size = matchprintsize * s.pagewidth() / widest;
    const double tall = s.measureheight("X") * 1.02 * double(lines.size() + startlines);
    if (onepage && tall > s.pageheight())
        size = std::min(size, matchprintsize * s.pageheight() / tall);
    return std::max(float(std::floor(size * 2) / 2), smallestprintsize);
}

bool printmatchlines(PrintSurface& s, const ProgramState& g, const std::vector<std::string>& lines,
                     const std::string& date, bool onepage) {
    const float size = fittedsize(s, reportfontname(g), lines, onepage);
    startlist(s, g, orientation_portrait, size, headerwidth, date);
    for (const std::string& line : lines) s.printline(line);
    return s.enddocument();
}

} // namespace greenfold::matchplay
