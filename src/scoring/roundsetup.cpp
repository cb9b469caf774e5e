#include "scoring/roundsetup.h"

#include "courses/courseedit.h"
#include "model/textline.h"

#include <algorithm>

namespace greenfold {

SetupPlayers setupplayers(const GOLF1& g) {
    SetupPlayers list;
    for (int p = 1; p <= g.playercount && p <= maxplayers; ++p) {
        if (g.playername[p].empty()) continue;
        list.names.push_back(g.playername[p]);
        list.playerslots.push_back(p);
    }
    return list;
}

std::string century(int year) {
    return year >= 85 ? "19" : "20";
}

std::string yearcaption(int year) {
    return "Year " + century(year) + yeartext(year);
}

std::string yeartext(int year) {
    return formatpattern(year, "00");
}

std::string monthshort(const GOLF1& g, int month) {
    if (month < 1 || month > 12) return "";
    return g.monthname[month].substr(0, 3);
}

int stepmonth(int month, bool up) {
    return std::clamp(month + (up ? 1 : -1), 1, 12);
}

int stepday(int day, bool up) {
    return std::clamp(day + (up ? 1 : -1), 1, 31);
}

int stepyear(int year, bool up) {
    return ((year + (up ? 1 : -1)) % 100 + 100) % 100;
}

SetupCheck acceptsetup(GOLF1& g, const std::vector<int>& chosen, std::string_view coursetext,
                       const SetupDate& date) {
    g.selected.fill(0);
    int count = 0;
    for (int p : chosen) {
        if (p < 1 || p > maxplayers) continue;
        g.selected[p] = 1;
        ++count;
    }
    const int course = findcourse(g, coursetext);
    if (course == 0) return SetupCheck::nocourse;
    if (count == 0) return SetupCheck::noplayers;
    g.coursenum = int16_t(course);
    g.curmonth = int16_t(date.month);
    g.curday = int16_t(date.day);
    g.curyear = int16_t(date.year);
    return SetupCheck::ok;
}

Message nocoursemessage() {
    return {"Please select a course before continuing.", "Greenfold", Icon::exclamation};
}

Message noplayersmessage() {
    return {"No Players selected, cannot continue.", "Greenfold", Icon::exclamation};
}

Message datequestion(const SetupDate& date, std::string_view coursename) {
    std::string text = "Is " + std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
                       century(date.year) + yeartext(date.year) + " at " + std::string(coursename) +
                       "\r\n";
    text += "the correct date and location of the Round?\r\n"
            "\r\n"
            "Date / location checking can be disabled, see program settings.";
    return {text, "Double Checking Date & Location", Icon::question};
}

void cancelsetup(GOLF1& g) {
    for (int p = 1; p <= g.playercount && p <= maxplayers; ++p) g.selected[p] = 0;
}

} // namespace greenfold
