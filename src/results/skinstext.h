#pragma once

#include "results/skins.h"

#include <string>
#include <vector>

namespace greenfold {

// A night's skins as the skins sheet and greenfold-cli's text lay them out, and as CSV.

// The column headings of the sheet's tables: each game's wins, and what each player is paid.
inline constexpr const char* skinscolumns = " Hole  Player                 Score Carried   Payout";
inline constexpr const char* totalscolumns = "       Player                 Skins           Payout";

// "Gross skins", "Net skins".
std::string skinkindtext(SkinKind kind);

// The title carries the league's name; then the settings, why there are no net skins when
// there are none, and each game: its wins, a carry past the last hole, what a skin paid
// and the remainder of the pot (or that nothing was paid out); last, when a skin was won,
// what to pay each player over all the games, and the sum.
std::vector<std::string> skinslines(const std::string& league, const NightSkins& night);

// The title and what to pay each player over all the games, alone.
std::vector<std::string> payoutlines(const std::string& league, const NightSkins& night);

// date, flight, kind, hole, player, score, carried, payout: one row a win, payout as a
// plain decimal with two places. A share of a carry past the last hole has no hole and
// no score.
std::vector<std::string> skinsheading();
std::vector<std::vector<std::string>> skinscells(const NightSkins& night);

// What each player is paid, as CSV: date, player, skins, payout; one row a player who won
// anything, the most first.
std::vector<std::string> totalsheading();
std::vector<std::vector<std::string>> totalscells(const NightSkins& night);

} // namespace greenfold
