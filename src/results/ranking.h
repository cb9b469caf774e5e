#pragma once

#include "results/resultsfile.h"
#include "results/settings.h"

#include <array>
#include <optional>
#include <vector>

namespace greenfold {

// Places and points among the players of one ranking (a night's gross or net, in one
// flight). Lower scores place higher. Players with the same score share the place (1, 1,
// 3) and split the points of the places they cover; under countback they are told apart
// on the last 9, 6, 3 and 1 holes played, less that share of the handicap, and only those
// still level share.

// What a player brings to a ranking: his score and, when he has hole scores, the scores of
// his last 9, 6, 3 and 1 holes, each less its share of the handicap, in eighteenths of a
// stroke so that every share of a nine's or an eighteen's handicap is a whole number.
struct Contender {
    int score = 0;
    std::optional<std::array<long, 4>> countback;
};

// A line's contender on gross (no handicap) or net.
Contender contender(const ResultLine& line, bool net);

struct Placing {
    int place = 0;
    double points = 0; // from the table, before participation points
};

// The placing of each contender, in the order given.
std::vector<Placing> rank(const std::vector<Contender>& field, TieRule ties,
                          const std::vector<int>& points);

// The points of places first..first + count - 1 shared among count players.
double sharedpoints(const std::vector<int>& points, int first, int count);

} // namespace greenfold
