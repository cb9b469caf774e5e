#pragma once

#include "lists/roundlines.h"
#include "model/programstate.h"

#include <optional>
#include <string>
#include <vector>

namespace greenfold {

// The three views of the round list: 1 the most recent rounds, 2 the rounds of one date,
// 3 the rounds of one player.
inline constexpr int view_recent = 1;
inline constexpr int view_date = 2;
inline constexpr int view_player = 3;

inline constexpr const char* hint_recentdown = "Viewing rounds entered earlier";
inline constexpr const char* hint_recentup = "Viewing more recently entered rounds";
inline constexpr const char* hint_datedown = "Viewing earlier dates";
inline constexpr const char* hint_dateup = "Viewing more recent dates";

// What the round list is showing, kept between redraws.
struct RoundView {
    int view = view_recent;          // the entry checked in the VIEW menu
    PlayerTable<int16_t> viewslot{}; // view 1: round slot shown per player, 0 none
    std::vector<float> datekeys;     // view 2: every date played, oldest first
    int dateindex = 0;               // view 2: the date shown, 1..datekeys.size()
    int player = 0;                  // view 3: the player shown (playerno)
};

// A date as one sortable number. Years 00..79 belong after 80..99. Each month gets 31
// days and each year 12 such months, so no two dates share a key and a year's last days
// sort before the next year's first ones.
float datekey(int year, int month, int day);

// Ascending, with the gaps 2^k - 1 (..., 15, 7, 3, 1).
void shellsort(std::vector<float>& keys);

// Fills the date table from every kept round, each date once, oldest first.
void builddates(const ProgramState& g, RoundView& v);

ListLines showrecent(const ProgramState& g, const RoundView& v);
// Builds the date table and shows the newest date.
ListLines showdates(const ProgramState& g, RoundView& v);
ListLines showdate(const ProgramState& g, const RoundView& v);
// Every kept round of player p, newest first.
ListLines showplayer(const ProgramState& g, int p);

// Redraws view 1 or 2 from scratch (view 1 back at everyone's newest round). View 3
// has nothing to redraw until a player is picked: nothing is returned.
std::optional<ListLines> refreshview(const ProgramState& g, RoundView& v);

// The spin button is shown in views 1 and 2 only.
bool spinvisible(const RoundView& v);

// One press of the spin button: the hint to show for a while (empty when the view
// could not move) and the lines after the step.
struct SpinStep {
    std::string hint;
    ListLines lines;
};
SpinStep spindown(const ProgramState& g, RoundView& v);
SpinStep spinup(const ProgramState& g, RoundView& v);

} // namespace greenfold
