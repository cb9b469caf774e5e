#include "scoring/roundsetup.h"

#include "courses/courseedit.h"
#include "model/textline.h"

#include <algorithm>

namespace greenfold {

SetupPlayers setupplayers(const ProgramState& g) {
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

std::string monthshort(const ProgramState& g, int month) {
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

SetupResult acceptsetup(const ProgramState& g, const std::vector<int>& chosen,
                        std::string_view coursetext, const SetupDate& date) {
    SetupResult result;
    ScoreSession& s = result.session;
    for (int p : chosen)
        if (p >= 1 && p <= g.playercount && p <= maxplayers) s.waiting.push_back(p);
    std::sort(s.waiting.begin(), s.waiting.end());
    s.waiting.erase(std::unique(s.waiting.begin(), s.waiting.end()), s.waiting.end());
    s.course = findcourse(g, coursetext);
    if (s.course == 0)
        result.check = SetupCheck::nocourse;
    else if (s.waiting.empty())
        result.check = SetupCheck::noplayers;
    s.month = date.month;
    s.day = date.day;
    s.year = date.year;
    return result;
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

} // namespace greenfold
