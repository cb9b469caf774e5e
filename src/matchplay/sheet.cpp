#include "matchplay/sheet.h"

#include <algorithm>

namespace greenfold::matchplay {

namespace {

Message refusal(std::string text) {
    return {std::move(text), "Greenfold", Icon::exclamation};
}

// A slot played by its regular.
Entry playedby(const std::string& player, bool byhand) {
    Entry e;
    e.player = player;
    e.byhand = byhand;
    return e;
}

bool playing(const Entry& e) {
    return e.kind != SlotKind::absent;
}

// Who fills the slot as a player of the match: the regular or his substitute.
const std::string& filler(const Entry& e) {
    return e.kind == SlotKind::substitute ? e.substitute : e.player;
}

// A side's slots for its regulars. A regular who already has a slot in the week's sheet
// (for the team he played for before he moved) keeps that one only.
SideSheet newside(const WeekSheet& sheet, const std::string& name, const std::vector<Side>& sides) {
    SideSheet ss{name, {}};
    if (const Side* side = findside(sides, name))
        for (const std::string& r : side->regulars)
            if (!sheet.entry(r)) ss.entries.push_back(playedby(r, false));
    return ss;
}

// Whether the slot's card is one drawn.
bool drawing(const Entry& e) {
    return e.kind == SlotKind::absent && e.fill == AbsentFill::phantom &&
           e.card == PhantomCard::draw;
}

// Absent with the league's default; a card drawn before stays while it is still one to draw.
void absentdefault(Entry& e, const MatchSettings& s) {
    e.kind = SlotKind::absent;
    e.substitute.clear();
    e.fill = s.absent;
    e.card = s.phantomcard;
    if (!drawing(e)) e.drawn.clear();
}

bool drawable(const std::vector<std::string>& candidates, const std::string& name) {
    return std::find(candidates.begin(), candidates.end(), name) != candidates.end();
}

// Draws a card for every slot of the pair whose card is to be drawn and has none that can
// still be drawn.
void makedraws(WeekSheet& sheet, const Pair& pair, const Names& withrounds, const Draw& draw) {
    for (const std::string* name : {&pair.side1, &pair.side2}) {
        auto ss = std::find_if(sheet.sides.begin(), sheet.sides.end(),
                               [&](const SideSheet& x) { return x.side == *name; });
        if (ss == sheet.sides.end()) continue;
        for (Entry& e : ss->entries) {
            if (!drawing(e)) continue;
            const auto candidates = drawcandidates(sheet, pair, withrounds);
            if (drawable(candidates, e.drawn)) continue;
            e.drawn.clear();
            if (draw && !candidates.empty()) {
                const int k =
                    std::clamp(draw(int(candidates.size())), 0, int(candidates.size()) - 1);
                e.drawn = candidates[std::size_t(k)];
            }
        }
    }
}

void drawall(WeekSheet& sheet, const Week& week, const Names& withrounds, const Draw& draw) {
    for (const Pair& p : week.pairs)
        if (!p.bye()) makedraws(sheet, p, withrounds, draw);
}

// The slot of the regular named, for a change by hand.
Entry* slotfor(WeekSheet& sheet, const SheetContext& c, std::string_view player, Outcome& out) {
    Entry* e = sheet.entry(player);
    if (!e || !pairof(sheet, c.week, player)) {
        out = Outcome::failure(refusal(std::string(player) + " is not in the matches of week " +
                                       std::to_string(c.week.number) + "."));
        return nullptr;
    }
    e->byhand = true;
    return e;
}

// The slot marked absent by hand; a card to be drawn is drawn again when asked (or when it
// has none that can be drawn).
Outcome absentwith(WeekSheet& sheet, const SheetContext& c, std::string_view player,
                   AbsentFill fill, PhantomCard card, bool drawagain = false) {
    Outcome out;
    Entry* e = slotfor(sheet, c, player, out);
    if (!e) return out;
    const bool drew = drawing(*e);
    absentdefault(*e, c.settings);
    e->fill = fill;
    e->card = card;
    if (!drew || drawagain || !drawing(*e)) e->drawn.clear();
    // An absent player's card is drawn for nobody: draws of it elsewhere are made again.
    drawall(sheet, c.week, c.withrounds, c.draw);
    return out;
}

bool isplayer(const SheetContext& c, std::string_view name) {
    return std::find(c.players.begin(), c.players.end(), name) != c.players.end();
}

} // namespace

const SideSheet* WeekSheet::side(std::string_view name) const {
    for (const SideSheet& s : sides)
        if (s.side == name) return &s;
    return nullptr;
}

const Entry* WeekSheet::entry(std::string_view player) const {
    for (const SideSheet& s : sides)
        for (const Entry& e : s.entries)
            if (e.player == player) return &e;
    return nullptr;
}

Entry* WeekSheet::entry(std::string_view player) {
    return const_cast<Entry*>(std::as_const(*this).entry(player));
}

std::optional<int> WeekSheet::typedmh(std::string_view name) const {
    for (const TypedHandicap& t : typed)
        if (t.name == name) return t.mh;
    return std::nullopt;
}

void fillsheet(WeekSheet& sheet, const Week& week, const std::vector<Side>& sides,
               const Names& withrounds, const MatchSettings& s, const Draw& draw) {
    sheet.week = week.number;
    for (const Pair& p : week.pairs) {
        if (p.bye()) continue;
        for (const std::string* name : {&p.side1, &p.side2})
            if (!sheet.side(*name)) sheet.sides.push_back(newside(sheet, *name, sides));
    }
    for (SideSheet& ss : sheet.sides)
        for (Entry& e : ss.entries) {
            if (e.byhand) continue;
            if (withrounds.count(e.player)) {
                e = playedby(e.player, false);
            } else {
                absentdefault(e, s);
            }
        }
    drawall(sheet, week, withrounds, draw);
}

std::vector<std::string> drawcandidates(const WeekSheet& sheet, const Pair& pair,
                                        const Names& withrounds) {
    Names out = withrounds;
    for (const SideSheet& ss : sheet.sides)
        for (const Entry& e : ss.entries) {
            if (e.kind == SlotKind::absent) out.erase(e.player);
            if (ss.side != pair.side1 && ss.side != pair.side2) continue;
            out.erase(e.player);
            if (e.kind == SlotKind::substitute) out.erase(e.substitute);
        }
    return {out.begin(), out.end()};
}

const Pair* pairof(const WeekSheet& sheet, const Week& week, std::string_view player) {
    for (const Pair& p : week.pairs) {
        if (p.bye()) continue;
        for (const std::string* name : {&p.side1, &p.side2})
            if (const SideSheet* ss = sheet.side(*name))
                for (const Entry& e : ss->entries)
                    if (e.player == player) return &p;
    }
    return nullptr;
}

Outcome markabsent(WeekSheet& sheet, const SheetContext& c, std::string_view player) {
    return absentwith(sheet, c, player, c.settings.absent, c.settings.phantomcard);
}

Outcome setforfeit(WeekSheet& sheet, const SheetContext& c, std::string_view player) {
    return absentwith(sheet, c, player, AbsentFill::forfeit, c.settings.phantomcard);
}

Outcome setteammate(WeekSheet& sheet, const SheetContext& c, std::string_view player) {
    return absentwith(sheet, c, player, AbsentFill::phantom, PhantomCard::teammate);
}

Outcome setdraw(WeekSheet& sheet, const SheetContext& c, std::string_view player,
                const std::optional<std::string>& card) {
    if (!card) return absentwith(sheet, c, player, AbsentFill::phantom, PhantomCard::draw, true);
    const Pair* pair = pairof(sheet, c.week, player);
    if (pair && !drawable(drawcandidates(sheet, *pair, c.withrounds), *card))
        return Outcome::failure(refusal(*card + "'s card cannot be drawn for " +
                                        std::string(player) +
                                        ": it needs a round that night and no part in the "
                                        "match, and its player must not be absent."));
    Outcome out = absentwith(sheet, c, player, AbsentFill::phantom, PhantomCard::par);
    if (Entry* e = sheet.entry(player); out && e) {
        e->card = PhantomCard::draw;
        e->drawn = *card;
    }
    return out;
}

Outcome setsubstitute(WeekSheet& sheet, const SheetContext& c, std::string_view player,
                      std::string_view substitute) {
    if (!isplayer(c, substitute) || substitute == player)
        return Outcome::failure(refusal(std::string(substitute) +
                                        " is not a league player who can stand in for " +
                                        std::string(player) + "."));
    for (const SideSheet& ss : sheet.sides)
        for (const Entry& e : ss.entries)
            if (e.player != player && playing(e) && filler(e) == substitute &&
                pairof(sheet, c.week, e.player))
                return Outcome::failure(
                    refusal(std::string(substitute) + " plays for another side that night."));
    Outcome out;
    Entry* e = slotfor(sheet, c, player, out);
    if (!e) return out;
    *e = playedby(e->player, true);
    e->kind = SlotKind::substitute;
    e->substitute = std::string(substitute);
    drawall(sheet, c.week, c.withrounds, c.draw);
    return out;
}

Outcome setpresent(WeekSheet& sheet, const SheetContext& c, std::string_view player) {
    Outcome out;
    Entry* e = slotfor(sheet, c, player, out);
    if (e) *e = playedby(e->player, true);
    return out;
}

Outcome typehandicap(WeekSheet& sheet, const SheetContext& c, std::string_view player, int mh) {
    if (!isplayer(c, player))
        return Outcome::failure(refusal(std::string(player) + " is not a league player."));
    if (mh < -maxtypedmh || mh > maxtypedmh)
        return Outcome::failure(refusal("A match handicap is a whole number from -99 to 99."));
    for (TypedHandicap& t : sheet.typed)
        if (t.name == player) {
            t.mh = mh;
            return {};
        }
    sheet.typed.push_back({std::string(player), mh});
    return {};
}

} // namespace greenfold::matchplay
