#include "teams/teamdata.h"

namespace greenfold {

void clearteams(Teamdata& t) {
    t.teamcount = 0;
    for (int team = 0; team <= maxteams; ++team) {
        t.teamname[team].clear();
        clearevents(t, team);
    }
    t.currentteam = 1;
}

void clearevents(Teamdata& t, int team) {
    t.eventcount[team] = 0;
    for (auto& text : t.eventtext[team]) text.clear();
    t.eventmanual[team].fill(0);
    t.eventpoints[team].fill(0);
}

void copyteam(Teamdata& t, int from, int to) {
    t.teamname[to] = t.teamname[from];
    t.eventcount[to] = t.eventcount[from];
    t.eventtext[to] = t.eventtext[from];
    t.eventmanual[to] = t.eventmanual[from];
    t.eventpoints[to] = t.eventpoints[from];
}

} // namespace greenfold
