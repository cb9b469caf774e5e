#include "lists/roundlines.h"

#include "model/textline.h"
#include "whs/roundfigures.h"

#include <algorithm>

namespace greenfold {

namespace {

// Columns are counted in characters: a course's initials may hold letters that take
// more than one byte.
void padto(std::string& line, std::size_t width, int most) {
    for (int n = 0; n < most && textwidth(line) < width; ++n) line += ' ';
}

std::string twodigits(int value) {
    std::string text = std::to_string(value);
    return text.size() == 1 ? "0" + text : text;
}

// The sign position of a number below ten: the test is made on the stored value, so
// 9.96 keeps its space although it shows as "10.0".
std::string signspace(float value) {
    const double v = value;
    return v > -0.1 && v < 10 ? " " : "";
}

// A figure right-aligned in a column of `width` characters, then `gap` spaces. A wider
// figure takes spaces from the gap, always leaving one, so that it shows whole and the
// columns after it stay in place. One too wide even for that (only a damaged file or a
// course table no course could have gives one) fills its column with "#" rather than push
// the columns after it out of place, which would garble the short list's cut.
std::string figurecolumn(const std::string& text, std::size_t width, std::size_t gap) {
    if (textwidth(text) >= width + gap) return std::string(width, '#') + std::string(gap, ' ');
    const std::string field = alignright(text, width);
    const std::size_t used = textwidth(field);
    return field + std::string(std::max(width + gap, used + 1) - used, ' ');
}

// The index and course handicap columns. Under the WHS method a plus figure carries its
// "+" in the sign position (" 9.9", "12.3", "+2.1"; " 7", "+3") and a round played before
// the player had an index leaves both blank.
std::string indexcolumn(const ProgramState& g, int p, int r) {
    const float index = g.hcpindex[p][r];
    if (g.method != HandicapMethod::whs)
        return signspace(index) + formatpattern(index, "#0.0") + "    ";
    return figurecolumn(whs::noindexyet(g, p, r) ? "" : whs::indexfigure(index), 4, 4);
}

std::string handicapcolumn(const ProgramState& g, int p, int r) {
    const float chcp = g.coursehcp[p][r];
    if (g.method != HandicapMethod::whs) return signspace(chcp) + generalformat(chcp) + "     ";
    return figurecolumn(whs::noindexyet(g, p, r) ? "" : whs::handicapfigure(chcp), 2, 5);
}

std::string holecolumns(const std::array<int16_t, maxholes + 1>& score) {
    std::string out;
    for (int k = 1; k <= 18; ++k) {
        out += score[k] == 0 ? std::string(" -") : alignright(std::to_string(score[k]), 2);
        out += ' ';
    }
    return out;
}

} // namespace

ListLines listheaders() {
    ListLines lines;
    lines.names = {"     Name", "______________________________"};
    lines.rounds = {"  Date   Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 10 11 "
                    "12 13 14 15 16 17 18  C Hcp # rounds",
                    std::string(156, '_')};
    return lines;
}

std::string roundtext(const ProgramState& g, int p, int r, std::optional<int> lastcolumn) {
    const auto& score = g.holescore[p][r];
    std::string line = twodigits(g.rmonth[p][r]) + "/" + twodigits(g.rday[p][r]) + "/" +
                       twodigits(g.ryear[p][r]) + "   ";
    line += coursefield(g, g.roundcourse[p][r], courseline_initials);
    padto(line, 14, 3);

    line += alignright(std::to_string(score[19]), 2) + "   ";
    line += alignright(std::to_string(score[20]), 2) + "   ";
    const std::string total = std::to_string(score[19] + score[20]);
    line += (total.size() < 3 ? " " : "") + total + "  ";

    line += indexcolumn(g, p, r);
    padto(line, 37, 3);
    line += "    ";

    line += holecolumns(score);
    line += "  " + handicapcolumn(g, p, r);
    if (lastcolumn) line += alignright(std::to_string(*lastcolumn), 2);
    return line;
}

void roundline(ListLines& lines, const ProgramState& g, int p, int r,
               std::optional<int> lastcolumn) {
    lines.names.push_back(g.playername[p]);
    lines.rounds.push_back(roundtext(g, p, r, lastcolumn));
}

} // namespace greenfold
