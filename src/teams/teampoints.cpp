#include "teams/teampoints.h"

#include "model/textline.h"

#include <algorithm>

namespace greenfold {

namespace {

// One space for each of the thresholds the value lies below.
std::string lead(float value) {
    std::string s;
    for (float limit : {1000.0f, 100.0f, 10.0f})
        if (value < limit) s += ' ';
    return s;
}

} // namespace

std::string listinfoline(std::string_view text, float manual, float points) {
    std::string line(text);
    const std::size_t width = textwidth(text);
    if (width < 61) line.append(61 - width, ' ');
    line += lead(manual) + formatpattern(manual, "###0.0");
    line += lead(points) + "   " + formatpattern(points, "###0.0");
    return line;
}

std::vector<std::string> listinfo(const Teamdata& t) {
    std::vector<std::string> lines;
    const int team = t.currentteam;
    for (int e = 1; e <= t.eventcount[team]; ++e)
        lines.push_back(
            listinfoline(t.eventtext[team][e], t.eventmanual[team][e], t.eventpoints[team][e]));
    return lines;
}

float countpoints(const Teamdata& t) {
    float total = 0;
    for (int e = 1; e <= t.eventcount[t.currentteam]; ++e) total += t.eventpoints[t.currentteam][e];
    return total;
}

std::string totaltext(const Teamdata& t) {
    return generalformat(countpoints(t));
}

std::string showmembers(const ProgramState& g, const Teamdata& t) {
    std::string text;
    for (int p = 1; p <= g.playercount; ++p)
        if (g.playerteam[p] == t.currentteam) text += g.playername[p] + " , ";
    if (text.size() >= 2) text.resize(text.size() - 2);
    return text;
}

Teamstep addevent(Teamdata& t, std::string_view text, std::string_view manual,
                  std::string_view points) {
    if (text.empty() && points.empty()) return {false, true, std::nullopt};
    const int team = t.currentteam;
    if (t.eventcount[team] >= maxevents) return {false, true, eventsfull()};
    const int e = ++t.eventcount[team];
    t.eventtext[team][e] = stripcontrols(text);
    t.eventmanual[team][e] = static_cast<float>(leadingnumber(manual));
    t.eventpoints[team][e] = static_cast<float>(leadingnumber(points));
    return Teamstep::ok();
}

void removeevents(Teamdata& t, std::vector<int> rows) {
    const int team = t.currentteam;
    // From the last row up, so the rows still to go keep their places.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const int gone = *it + 1;
        const int count = t.eventcount[team];
        if (gone < 1 || gone > count) continue;
        for (int e = gone; e < count; ++e) {
            t.eventtext[team][e] = std::move(t.eventtext[team][e + 1]);
            t.eventmanual[team][e] = t.eventmanual[team][e + 1];
            t.eventpoints[team][e] = t.eventpoints[team][e + 1];
        }
        t.eventtext[team][count].clear();
        t.eventmanual[team][count] = 0;
        t.eventpoints[team][count] = 0;
        --t.eventcount[team];
    }
}

std::string dateprefix(std::string_view datetext) {
    return std::string(datetext) + " ";
}

Message unsavedpoints() {
    return {"Points were entered but not added to the list.   Do you want to add them to this "
            "team's Record before switching to another team or exiting?",
            "Team Point Records", Icon::question};
}

Message eventsfull() {
    return {"This team's record holds 150 entries, the most a team can keep. Remove an entry "
            "before adding another.",
            "Greenfold", Icon::exclamation};
}

} // namespace greenfold
