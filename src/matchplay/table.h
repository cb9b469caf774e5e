#pragma once

#include "matchplay/match.h"

#include <string>
#include <vector>

namespace greenfold::matchplay {

// The season table of match points, from the weeks worked out.

struct TableRow {
    std::string side;
    int number = 0; // the side's number: its place in the sides given, others after
    int place = 0;  // 1 + the sides ahead of it; sides still level share it
    int played = 0; // matches worked out; byes and matches not played left out
    int won = 0;
    int lost = 0;
    int halved = 0;
    int byes = 0;
    Points points; // match points and bye points
    bool operator==(const TableRow&) const = default;
};

// Most points first. With tie-breaks on, sides level on points go by the points each won
// in matches against the others level with it, then by matches won. Sides still level
// share the place and are listed by side number. A side named in the weeks but not among
// the sides given comes after them in side number.
std::vector<TableRow> seasontable(const std::vector<std::string>& sides,
                                  const std::vector<WeekResult>& weeks, const MatchSettings& s);

// Each player's own points from his single matches, a substitute's too; phantoms and the
// team parts left out. Most points first, then by name.
struct PlayerPoints {
    std::string name;
    int matches = 0;
    Points points;
    bool operator==(const PlayerPoints&) const = default;
};
std::vector<PlayerPoints> playerpoints(const std::vector<WeekResult>& weeks);

// A week as the teams' point records take it: one record a side that played or had the
// bye, "Week 3 v Hawks" or "Week 3 bye", with its points; matches not worked out give none.
struct WeekPost {
    std::string side;
    std::string text;
    Points points;
    bool operator==(const WeekPost&) const = default;
};
std::vector<WeekPost> weekposts(const WeekResult& week);

} // namespace greenfold::matchplay
