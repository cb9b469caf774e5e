#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace greenfold {

inline constexpr int maxteams = 100;
inline constexpr int maxevents = 150; // point records per team

// The teams of the open league and their point records. Which team a player plays on
// is kept with the league (ProgramState::playerteam, ProgramState::teamsdefined), as the player
// windows move it with the player; the rest lives here and is read from the team file
// whenever a window needs it. Slot 0 of every table holds no team data.
struct Teamdata {
    int16_t teamcount = 0;
    std::array<std::string, maxteams + 1> teamname{};
    std::array<int16_t, maxteams + 1> eventcount{};
    std::array<std::array<std::string, maxevents + 1>, maxteams + 1> eventtext{};
    std::array<std::array<float, maxevents + 1>, maxteams + 1> eventmanual{};
    std::array<std::array<float, maxevents + 1>, maxteams + 1> eventpoints{};
    int16_t currentteam = 1; // the team the team windows show, 1-based
};

// No teams, no records, the first team current. Done in place: the tables are large.
void clearteams(Teamdata& t);

// Empties team t's point records.
void clearevents(Teamdata& t, int team);

// Copies team `from`'s name and records over team `to`.
void copyteam(Teamdata& t, int from, int to);

} // namespace greenfold
