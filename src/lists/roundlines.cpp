#include "lists/roundlines.h"

#include "model/textline.h"
#include "whs/decimal.h"

namespace greenfold {

namespace {

// Columns are counted in characters: a course's initials may hold letters that take
// more than one byte.
void padto(std::string& line, std::size_t width, int most) {
    for (int n = 0; n < most && textwidth(line) < width; ++n) line += ' ';
}

std::string rightaligned(const std::string& text, std::size_t width) {
    std::string out;
    for (std::size_t w = textwidth(text); w < width; ++w) out += ' ';
    return out + text;
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

// The index and course handicap columns: under the WHS method a plus handicap is written
// with its "+" in place of the minus sign.
std::string indexcolumn(const GOLF1& g, float index) {
    if (g.method == HandicapMethod::whs) return whs::indextext(whs::tenthsnear(index));
    return formatpattern(index, "#0.0");
}

std::string handicapcolumn(const GOLF1& g, float chcp) {
    if (g.method == HandicapMethod::whs)
        return whs::handicaptext(whs::roundwhole(whs::tenthsnear(chcp)));
    return generalformat(chcp);
}

std::string holecolumns(const std::array<int16_t, maxholes + 1>& score) {
    std::string out;
    for (int k = 1; k <= 18; ++k) {
        out += score[k] == 0 ? std::string(" -") : rightaligned(std::to_string(score[k]), 2);
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

std::string roundtext(const GOLF1& g, int p, int r, std::optional<int> lastcolumn) {
    const auto& score = g.holescore[p][r];
    std::string line = twodigits(g.rmonth[p][r]) + "/" + twodigits(g.rday[p][r]) + "/" +
                       twodigits(g.ryear[p][r]) + "   ";
    line += coursefield(g, g.roundcourse[p][r], courseline_initials);
    padto(line, 14, 3);

    line += rightaligned(std::to_string(score[19]), 2) + "   ";
    line += rightaligned(std::to_string(score[20]), 2) + "   ";
    const std::string total = std::to_string(score[19] + score[20]);
    line += (total.size() < 3 ? " " : "") + total + "  ";

    const float index = g.hcpindex[p][r];
    line += signspace(index) + indexcolumn(g, index) + "    ";
    padto(line, 37, 3);
    line += "    ";

    line += holecolumns(score);
    const float chcp = g.coursehcp[p][r];
    line += "  " + signspace(chcp) + handicapcolumn(g, chcp) + "     ";
    if (lastcolumn) line += rightaligned(std::to_string(*lastcolumn), 2);
    return line;
}

void roundline(ListLines& lines, const GOLF1& g, int p, int r, std::optional<int> lastcolumn) {
    lines.names.push_back(g.playername[p]);
    lines.rounds.push_back(roundtext(g, p, r, lastcolumn));
}

} // namespace greenfold
