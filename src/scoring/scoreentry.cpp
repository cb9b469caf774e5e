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

bool validplayer(const ProgramState& g, int p) {
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

std::string roundheading(const ProgramState& g, const ScoreSession& s) {
    const std::string month = s.month >= 1 && s.month <= 12 ? g.monthname[s.month] : std::string();
    return coursefield(g, s.course, courseline_name) + "  golf course" + "  on " + month + "  " +
           generalformat(double(s.day));
}

std::string edithole(int score) {
    return generalformat(double(score));
}

std::string edittotal(int score) {
    return "   " + generalformat(double(score));
}

void firstplayer(ScoreSession& s) {
    s.player = s.waiting.empty() ? 0 : s.waiting.front();
}

bool nextplayer(ScoreSession& s) {
    std::erase(s.waiting, s.player);
    firstplayer(s);
    return s.player != 0;
}

std::string pausingtext(const std::string& player, bool last) {
    return "Pausing: " + player + "'s round is recorded. Read its steps below, then press " +
           (last ? "Finish to end the entry." : "Next Player to go on.");
}

std::string continuecaption(bool last) {
    return last ? "&Finish" : "&Next Player";
}

std::vector<std::string> roundlist(const ProgramState& g, int p) {
    std::vector<std::string> rows;
    if (!validplayer(g, p)) return rows;
    for (int r = std::min<int>(g.roundcount[p], maxrounds); r >= 1; --r)
        rows.push_back(twodigits(g.rmonth[p][r]) + "/" + twodigits(g.rday[p][r]) + "/" +
                       twodigits(g.ryear[p][r]));
    return rows;
}

std::optional<ScoreSession> chooseround(const ProgramState& g, int p, int row) {
    if (!validplayer(g, p)) return std::nullopt;
    const int count = std::min<int>(g.roundcount[p], maxrounds);
    const int r = count - row;
    if (row < 0 || r < 1) return std::nullopt;
    ScoreSession s;
    s.course = g.roundcourse[p][r];
    s.month = g.rmonth[p][r];
    s.day = g.rday[p][r];
    s.year = g.ryear[p][r];
    s.editslot = r;
    s.waiting = {p};
    s.player = p;
    return s;
}

} // namespace greenfold
