#include "scoring/scoreentry.h"

#include "model/textline.h"

#include <algorithm>

namespace greenfold {

namespace {

// A date part of the round list: the plain number, a leading zero when it has one digit.
std::string twodigits(int value) {
    std::string s = generalformat(double(value));
    return s.size() == 1 ? "0" + s : s;
}

bool validplayer(const GOLF1& g, int p) {
    return p >= 1 && p <= g.playercount && p <= maxplayers;
}

} // namespace

HoleBox holebox(std::string_view text, int hole, bool entering) {
    HoleBox box{std::string(text)};
    if (text.empty()) return box;
    const double value = leadingnumber(text);
    box.advance = entering && value > 1 && hole < 18;
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return box; // only the space a short score keeps
    const std::string digits(text.substr(first));
    box.text = value < 9 ? " " + digits : digits;
    return box;
}

std::string totalscore(std::string_view out, std::string_view in) {
    return generalformat(leadingnumber(out) + leadingnumber(in));
}

std::string roundheading(const GOLF1& g) {
    const std::string month =
        g.curmonth >= 1 && g.curmonth <= 12 ? g.monthname[g.curmonth] : std::string();
    return coursefield(g, g.coursenum, courseline_name) + "  golf course" + "  on " + month + "  " +
           generalformat(double(g.curday));
}

std::string edithole(int score) {
    return generalformat(double(score));
}

std::string edittotal(int score) {
    return "   " + generalformat(double(score));
}

void firstplayer(GOLF1& g) {
    g.playerno = 0;
    for (int p = 1; p <= g.playercount && p <= maxplayers; ++p) {
        if (g.selected[p] != 0) {
            g.playerno = int16_t(p);
            return;
        }
    }
}

bool nextplayer(GOLF1& g) {
    if (g.playerno >= 1 && g.playerno <= maxplayers) g.selected[g.playerno] = 0;
    firstplayer(g);
    return g.playerno != 0;
}

Message pausingmessage() {
    return {" Pausing...", "Greenfold", Icon::none};
}

std::vector<std::string> roundlist(const GOLF1& g, int p) {
    std::vector<std::string> rows;
    if (!validplayer(g, p)) return rows;
    for (int r = std::min<int>(g.roundcount[p], maxrounds); r >= 1; --r)
        rows.push_back(twodigits(g.rmonth[p][r]) + "/" + twodigits(g.rday[p][r]) + "/" +
                       twodigits(g.ryear[p][r]));
    return rows;
}

bool chooseround(GOLF1& g, int row) {
    const int p = g.playerno;
    if (!validplayer(g, p)) return false;
    const int count = std::min<int>(g.roundcount[p], maxrounds);
    const int r = count - row;
    if (row < 0 || r < 1) return false;
    g.curmonth = g.rmonth[p][r];
    g.curday = g.rday[p][r];
    g.curyear = g.ryear[p][r];
    g.editslot = int16_t(r);
    g.coursenum = g.roundcourse[p][r];
    return true;
}

} // namespace greenfold
