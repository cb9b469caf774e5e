#pragma once

// The example course, players and rounds the rules of match play work by hand.
#include "matchplay/match.h"
#include "matchplay/sheet.h"

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

namespace greenfold::matchplay::testing {

using Holes = std::array<int, 18>;

inline const Holes examplepar = {4, 5, 3, 4, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5};
inline const whs::StrokeIndexes examplesi = {7, 15, 1, 11, 3, 17, 5, 13, 9,
                                             8, 16, 2, 12, 4, 18, 6, 14, 10};

inline CourseHoles examplecourse() {
    return {"Hillcrest", examplepar, examplesi};
}

// Nine scores on the front (holes 1-9) or the back (10-18), the other nine empty.
inline Holes front(std::array<int, 9> nine) {
    Holes h{};
    for (std::size_t k = 0; k < 9; ++k) h[k] = nine[k];
    return h;
}
inline Holes back(std::array<int, 9> nine) {
    Holes h{};
    for (std::size_t k = 0; k < 9; ++k) h[9 + k] = nine[k];
    return h;
}

// The rounds of example 10.3 and 10.5.
inline const Holes billfront = front({5, 5, 4, 4, 5, 4, 3, 6, 4});
inline const Holes edfront = front({6, 6, 4, 5, 5, 4, 4, 5, 5});
inline const Holes billback = back({4, 5, 3, 6, 4, 4, 4, 4, 6});
inline const Holes danback = back({5, 5, 4, 5, 5, 5, 3, 4, 6});
inline const Holes carlback = back({5, 6, 4, 6, 5, 5, 3, 4, 6});
inline const Holes edback = back({5, 5, 4, 6, 6, 4, 4, 5, 6});
inline const Holes carlfront = front({5, 6, 4, 5, 5, 5, 4, 6, 5});

// A card on course 1 with a course handicap for the match's holes.
inline Card card(const std::string& name, const Holes& holes, int coursehcp) {
    return {name, 1, holes, whs::Fraction(coursehcp)};
}

// Example 10.7's rounds on the front nine: Bill 7, Carl 15 and Ed 12; Dan has none, or one
// of the back nine only.
inline const std::vector<Card> frontcards = {card("Bill", billfront, 7),
                                             card("Carl", carlfront, 15), card("Ed", edfront, 12)};
inline const std::vector<Card> danbackcards = {card("Bill", billfront, 7),
                                               card("Carl", carlfront, 15), card("Ed", edfront, 12),
                                               card("Dan", danback, 10)};

// A night on the example course; every player's course handicap for his phantom as given.
inline NightInput night(std::vector<Card> cards,
                        std::initializer_list<std::pair<std::string, int>> absent = {}) {
    NightInput n;
    n.cards = std::move(cards);
    n.courses[1] = examplecourse();
    n.nightcourse = 1;
    for (const auto& [name, ch] : absent) n.absenthcp[name] = whs::Fraction(ch);
    return n;
}

// The example's handicaps: Bill 7, Carl 15, Dan 10, Ed 12, and Sam 12, Al 9.
inline NightInput examplenight(std::vector<Card> cards) {
    return night(std::move(cards),
                 {{"Bill", 7}, {"Carl", 15}, {"Dan", 10}, {"Ed", 12}, {"Sam", 12}, {"Al", 9}});
}

inline Week week(int number, Nine nine, std::vector<Pair> pairs) {
    Week w;
    w.number = number;
    w.date = {5, int16_t(number), 26};
    w.nine = nine;
    w.pairs = std::move(pairs);
    return w;
}

inline MatchSettings teamsettings() {
    return defaultsettings(true);
}
inline MatchSettings individualsettings() {
    return defaultsettings(false);
}

inline const std::vector<Side> eagleshawks = {{"Eagles", {"Bill", "Carl"}, {}},
                                              {"Hawks", {"Ed", "Dan"}, {}}};
// Eagles v Hawks, and Owls (Al, Zed), who have the bye.
inline const std::vector<Side> threeteams = {
    eagleshawks[0], eagleshawks[1], {"Owls", {"Al", "Zed"}, {}}};
inline std::vector<Side> players(std::initializer_list<std::string> names) {
    std::vector<Side> out;
    for (const std::string& n : names) out.push_back({n, {n}, {}});
    return out;
}

// The league's players: a substitute must be one of them.
inline const std::vector<std::string> leaguenames = {"Bill", "Carl", "Ed", "Dan",
                                                     "Sam",  "Al",   "Zed"};

// The week's sheet filled from the night's rounds, drawing the first card offered.
inline WeekSheet filled(const Week& w, const std::vector<Side>& sides, const NightInput& n,
                        const MatchSettings& s) {
    WeekSheet sheet;
    fillsheet(sheet, w, sides, namesof(n), s, [](int) { return 0; });
    return sheet;
}

// The week's first match, worked out from the night's rounds and the sheet, if any.
inline MatchResult firstmatch(const Week& w, const std::vector<Side>& sides, const NightInput& n,
                              const MatchSettings& s, const WeekSheet* sheet = nullptr) {
    return workoutweek(w, sheet, sides, n, s).matches.at(0);
}

struct Played {
    MatchResult match;
    WeekSheet sheet;
};

// The week's first match after the sheet was filled from the rounds and changed by hand.
template <typename Change>
Played play(const Week& w, const std::vector<Side>& sides, const NightInput& n,
            const MatchSettings& s, Change change) {
    WeekSheet sheet = filled(w, sides, n, s);
    const Names rounds = namesof(n);
    const SheetContext c{w, s, rounds, leaguenames, [](int) { return 0; }};
    change(sheet, c);
    return {firstmatch(w, sides, n, s, &sheet), sheet};
}

// The points of a match, a single match or a team part, as the sheets show them.
template <typename Part> std::pair<double, double> points(const Part& p) {
    return {p.points1.halves / 2.0, p.points2.halves / 2.0};
}

} // namespace greenfold::matchplay::testing
