#include "cli/listview.h"

#include "cli/importrows.h"
#include "model/textline.h"
#include "reports/handicaplists.h"

#include <algorithm>

namespace greenfold {

namespace {

std::string shortdate(const CalendarDate& date) {
    return formatpattern(date.month, "00") + "/" + formatpattern(date.day, "00") + "/" +
           formatpattern(twodigityear(date.year), "00");
}

ViewLines dateview(const ProgramState& g, const std::optional<CalendarDate>& date) {
    RoundView v;
    v.view = view_date;
    if (!date) return {showdates(g, v), ""};
    builddates(g, v);
    const float key = datekey(twodigityear(date->year), date->month, date->day);
    const auto at = std::find(v.datekeys.begin(), v.datekeys.end(), key);
    if (at == v.datekeys.end()) return {{}, "no rounds were played on " + shortdate(*date)};
    v.dateindex = int(at - v.datekeys.begin()) + 1;
    return {showdate(g, v), ""};
}

ViewLines playerview(const ProgramState& g, const std::string& name) {
    const int p = findplayer(g, name);
    if (p == 0) return {{}, "no player named '" + name + "' in the league"};
    return {showplayer(g, p), ""};
}

} // namespace

ViewLines viewlines(const ProgramState& g, const ListChoice& choice) {
    if (choice.view == view_date) return dateview(g, choice.date);
    if (choice.view == view_player) return playerview(g, choice.player);
    RoundView v;
    return {*refreshview(g, v), ""};
}

std::string longlistbytes(const ListLines& lines) {
    LineWriter out;
    const std::size_t n = std::min(lines.names.size(), lines.rounds.size());
    for (std::size_t i = 0; i < n; ++i)
        out.text(i == 1 ? longrule() : longline(lines.names[i], lines.rounds[i]));
    return out.str();
}

} // namespace greenfold
