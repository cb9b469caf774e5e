#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "teams/teamdata.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The rules of the team set-up window: naming teams, moving players in and out of the
// current team, adding and removing teams.

// What the set-up window shows for the current team.
struct Teamview {
    std::vector<std::string> unassigned; // players without a team, in roster order
    std::vector<std::string> members;    // players of the current team, in roster order
    std::string name;
    std::string caption; // "Team # 2 of 3"
};

// How a team operation went: done, or refused with a beep and maybe a message.
struct Teamstep {
    bool done = false;
    bool beep = false;
    std::optional<Message> message;

    static Teamstep ok() { return {true, false, std::nullopt}; }
};

Teamview teamview(const ProgramState& g, const Teamdata& t);
std::string teamcaption(const Teamdata& t);

// The name box changed: the current team takes the text, and the first text typed into
// a league without teams makes team 1.
void nameteam(Teamdata& t, std::string_view text);

// Puts the listed players without a team into the current team. Each name stands for
// the later of two players of that name among those still without a team, so repeated
// names can all be moved in turn. Refused while the league has no team yet.
Teamstep assignplayers(ProgramState& g, const Teamdata& t, const std::vector<std::string>& names);

// Takes the listed players out of the current team, found the same way among its players.
void releaseplayers(ProgramState& g, const Teamdata& t, const std::vector<std::string>& names);

// Adds an empty team after the last and makes it current. Refused with a beep when the
// name box is empty, and with a message when the league has all its teams.
Teamstep createteam(Teamdata& t, std::string_view nametext);

// Removes the current team when it has no players: later teams move down one number with
// their names and records, and their players follow. The only team is cleared, not
// removed: its name goes, its records stay.
Teamstep removeteam(ProgramState& g, Teamdata& t);

// Next and previous team; false at either end.
bool nextteam(Teamdata& t);
bool prevteam(Teamdata& t);

Message teamsfull();
Message rosternotempty();

} // namespace greenfold
