#pragma once

#include "matchplay/night.h"
#include "matchplay/sheet.h"
#include "matchplay/single.h"

#include <optional>
#include <string>
#include <vector>

namespace greenfold::matchplay {

// A week's matches worked out from the schedule, the sheet, the night's rounds and the
// settings: who filled each slot and with which card, each single match hole by hole,
// the team parts and the points. Nothing here is stored.

enum class Kind { played, substitute, phantom, draw, teammate, forfeit };
enum class Status { played, notplayed, cancelled, waiting };

// One slot as it plays.
struct SlotPlay {
    std::string player;  // who filled it: the regular, the substitute, or the absent player
    std::string regular; // whose slot it is
    Kind kind = Kind::played;
    std::string card; // whose card stands in (a drawn card, the teammate's); else empty
    std::optional<int> mh;
    std::optional<int> bestball; // the best-ball handicap
    std::array<int, 18> gross{}; // the card played: a par card for a phantom or a forfeit
    bool absent() const { return kind != Kind::played && kind != Kind::substitute; }
};

struct SinglePart {
    SlotPlay slot1;
    SlotPlay slot2;
    Status status = Status::played;
    std::optional<SingleMatch> play; // played out hole by hole (not for a forfeit)
    Points points1, points2;         // after a forfeit, a substitute's cap, lost points
};

enum class TeamPartKind { net, aggregate, bestball };

struct TeamPart {
    TeamPartKind kind = TeamPartKind::net;
    Points points1, points2;
    int total1 = 0; // team net totals; holes won in the hole parts
    int total2 = 0;
};

struct MatchResult {
    int week = 0;
    NightDate date;
    Pair pair; // empty for a position week not yet paired
    Status status = Status::played;
    std::string reason;              // why it waits, in plain words
    std::vector<SinglePart> singles; // one single; or the teams' A, then B
    std::vector<TeamPart> teamparts; // those with points, in the order net, aggregate, best ball
    Points points1, points2;         // a bye: the bye points
    std::string course;
    std::array<int, 18> par{};
    MatchHoles holes;
    bool counts() const { return status == Status::played && !pair.bye(); }
};

struct WeekResult {
    Week week;
    std::vector<MatchResult> matches; // in the schedule's pair order
};

// One pair of the week, from a sheet already filled for the week.
MatchResult workoutpair(const Week& week, const Pair& pair, const WeekSheet& sheet,
                        const NightInput& night, const MatchSettings& s);

// Every pair of the week. The stored sheet (or none) is filled from the night's rounds
// first, drawing nothing: a stored card drawn stands, a card never drawn is a par card.
WeekResult workoutweek(const Week& week, const WeekSheet* stored, const std::vector<Side>& sides,
                       const NightInput& night, const MatchSettings& s);

Names namesof(const NightInput& night);

} // namespace greenfold::matchplay
