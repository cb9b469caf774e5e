#pragma once

#include "matchplay/schedule.h"
#include "matchplay/settings.h"
#include "matchplay/sides.h"
#include "model/outcome.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold::matchplay {

// A week's match sheet: for each side of each pair its slots (a team's two regulars, a
// player side's one), and for each slot who played it. Points are never kept here: they
// are worked out from the sheet, the rounds and the settings every time.

enum class SlotKind { played, substitute, absent };

struct Entry {
    std::string player; // the regular whose slot this is
    SlotKind kind = SlotKind::played;
    std::string substitute; // who played the slot (substitute)
    // An absent player's slot: played by a phantom, with a par card, a card drawn (its
    // owner's name, stored once drawn; empty: nothing to draw, so a par card) or the
    // teammate's card; or forfeited.
    AbsentFill fill = AbsentFill::phantom;
    PhantomCard card = PhantomCard::par;
    std::string drawn;
    // Set by the secretary: filling the sheet from the rounds leaves it alone.
    bool byhand = false;
    bool operator==(const Entry&) const = default;
};

struct SideSheet {
    std::string side;
    std::vector<Entry> entries;
    bool operator==(const SideSheet&) const = default;
};

// A match handicap typed for a player without an index: the match handicap itself.
struct TypedHandicap {
    std::string name;
    int mh = 0;
    bool operator==(const TypedHandicap&) const = default;
};
inline constexpr int maxtypedmh = 99;

struct WeekSheet {
    int week = 0;
    std::vector<SideSheet> sides;
    std::vector<TypedHandicap> typed;

    const SideSheet* side(std::string_view name) const;
    const Entry* entry(std::string_view player) const;
    Entry* entry(std::string_view player);
    std::optional<int> typedmh(std::string_view name) const;
    bool operator==(const WeekSheet&) const = default;
};

using Names = std::set<std::string, std::less<>>;

// Draws one of count cards at random: 0 .. count - 1. The program hands in its random
// engine, the tests a fixed choice.
using Draw = std::function<int(int count)>;

// Fills the week's sheet from the night's rounds: a side of the week's pairs without a
// sheet gets its regulars' slots; every slot not set by hand is played when its regular
// has a round that night, else absent with the league's default. A card to be drawn is
// drawn among the candidates (drawcandidates) when none is stored or the stored one can no
// longer be drawn; without a draw nothing is drawn.
void fillsheet(WeekSheet& sheet, const Week& week, const std::vector<Side>& sides,
               const Names& withrounds, const MatchSettings& s, const Draw& draw);

// The cards a blind draw for this pair may take: everyone with a round that night who
// fills no slot of this match and is not marked absent anywhere in the week.
std::vector<std::string> drawcandidates(const WeekSheet& sheet, const Pair& pair,
                                        const Names& withrounds);

// The pair of the week a player's slot belongs to.
const Pair* pairof(const WeekSheet& sheet, const Week& week, std::string_view player);

// What a change to a filled sheet needs to know.
struct SheetContext {
    const Week& week;
    const MatchSettings& settings;
    const Names& withrounds;
    const std::vector<std::string>& players; // the league's players
    Draw draw;
};

// The secretary's changes, each to the slot of the regular named; refused for a name not
// in the week's matches. Absent takes the league's default; forfeit forfeits that single
// match only; draw takes the card named (one that may be drawn) or draws one; present
// undoes an absence (the slot waits for his round when he has none). A substitute must
// be a league player who plays no other slot that week.
Outcome markabsent(WeekSheet& sheet, const SheetContext& c, std::string_view player);
Outcome setforfeit(WeekSheet& sheet, const SheetContext& c, std::string_view player);
Outcome setdraw(WeekSheet& sheet, const SheetContext& c, std::string_view player,
                const std::optional<std::string>& card);
Outcome setteammate(WeekSheet& sheet, const SheetContext& c, std::string_view player);
Outcome setsubstitute(WeekSheet& sheet, const SheetContext& c, std::string_view player,
                      std::string_view substitute);
Outcome setpresent(WeekSheet& sheet, const SheetContext& c, std::string_view player);
// A league player's match handicap for the night, -99 .. 99.
Outcome typehandicap(WeekSheet& sheet, const SheetContext& c, std::string_view player, int mh);

} // namespace greenfold::matchplay
