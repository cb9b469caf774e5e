#pragma once

#include "matchplay/strokes.h"
#include "whs/decimal.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold::matchplay {

// What a week's matches are worked out from besides the sheet and the settings: the
// rounds of the week's night and the handicaps, in plain values. The league's side
// (league.h) fills it from the results file, the league and the course table.

// A round played that night: its course, its hole scores (0: no score) and the player's
// course handicap for the holes of the week's match (the nine's for a nine), unrounded,
// from the index he held before the night on the tee of his round; none without an index.
struct Card {
    std::string name;
    int course = 0;
    std::array<int, 18> holes{};
    std::optional<whs::Fraction> coursehcp;
};

struct NightInput {
    std::vector<Card> cards; // everyone with a round that night
    // The course handicap each league player would have on his default tee on the night's
    // course, for an absent player's phantom; none without an index.
    std::map<std::string, whs::Fraction, std::less<>> absenthcp;
    std::map<int, CourseHoles> courses;
    int nightcourse = 0; // the course most of the night's rounds were played on

    const Card* card(std::string_view name) const {
        for (const Card& c : cards)
            if (c.name == name) return &c;
        return nullptr;
    }
    bool rounds() const { return !cards.empty(); }
};

} // namespace greenfold::matchplay
