#pragma once

#include "matchplay/settings.h"
#include "model/outcome.h"

#include <string>
#include <vector>

namespace greenfold::matchplay {

// The league as match play sees it, in plain values: the players in the order of the
// player list, each with his team (1-based in the team file's order; 0 for none), and
// the team names in the team file's order.
struct RosterPlayer {
    std::string name;
    int team = 0;
};
struct Roster {
    std::vector<RosterPlayer> players;
    std::vector<std::string> teams;
};

// A side: a team, or a player in the individual format. Sides are numbered 1, 2, ... in
// the order made. A team's regulars are its first two players in the player order and its
// further players its own substitutes; a player side has himself as its one regular.
struct Side {
    std::string name;
    std::vector<std::string> regulars;
    std::vector<std::string> substitutes;
    bool operator==(const Side&) const = default;
};

// The sides and what stops a schedule from being made: a team with fewer than two
// players (named), two sides of one name, fewer than two sides. The sides are made even
// then, so that a schedule already made can still be worked out.
struct Sides {
    std::vector<Side> sides;
    std::vector<std::string> problems;
    bool ok() const { return problems.empty(); }
};

// Team format: the roster's teams. Individual format: the players less those marked
// "substitute only".
Sides makesides(const Roster& roster, Format format,
                const std::vector<std::string>& substituteonly);

// The side of that name; nothing when there is none.
const Side* findside(const std::vector<Side>& sides, std::string_view name);

// The players offered to stand in for a regular of this side: its own substitutes first,
// then every other player of the roster who is not one of its regulars, in player order.
std::vector<std::string> substitutesoffered(const Roster& roster, const Side& side);

// The problems as one message, for the schedule that cannot be made.
Message sidesproblem(const Sides& s);

} // namespace greenfold::matchplay
