#include "matchplay/match.h"

#include "matchplay/teamparts.h"

#include <algorithm>

namespace greenfold::matchplay {

namespace {

// A slot on its way to play: the real card it plays, when it plays one.
struct Slot {
    SlotPlay play;
    const Card* card = nullptr;
    bool noround = false; // a regular or substitute who has no round that night
};

struct Context {
    const WeekSheet& sheet;
    const NightInput& night;
    const MatchSettings& s;
};

std::optional<int> handicap(const Context& c, std::string_view name,
                            const std::optional<whs::Fraction>& ch, int allowance) {
    if (auto typed = c.sheet.typedmh(name)) return typed;
    if (!ch) return std::nullopt;
    return matchhandicap(*ch, allowance);
}

void fromcard(Slot& slot, const Context& c, const Card* card) {
    slot.card = card;
    if (!card) return;
    slot.play.mh = handicap(c, card->name, card->coursehcp, c.s.allowance);
    slot.play.bestball = handicap(c, card->name, card->coursehcp, c.s.bestballallowance);
}

// An absent player's own handicaps, on his default tee, for his par card.
void fromabsent(Slot& slot, const Context& c) {
    std::optional<whs::Fraction> ch;
    if (auto a = c.night.absenthcp.find(slot.play.regular); a != c.night.absenthcp.end())
        ch = a->second;
    slot.card = nullptr;
    slot.play.card.clear();
    slot.play.mh = handicap(c, slot.play.regular, ch, c.s.allowance);
    slot.play.bestball = handicap(c, slot.play.regular, ch, c.s.bestballallowance);
}

Slot resolve(const Entry& e, const Context& c) {
    Slot slot;
    slot.play.regular = e.player;
    slot.play.player = e.kind == SlotKind::substitute ? e.substitute : e.player;
    if (e.kind != SlotKind::absent) {
        slot.play.kind = e.kind == SlotKind::played ? Kind::played : Kind::substitute;
        fromcard(slot, c, c.night.card(slot.play.player));
        slot.noround = slot.card == nullptr;
        return slot;
    }
    if (e.fill == AbsentFill::forfeit) {
        slot.play.kind = Kind::forfeit;
    } else {
        constexpr Kind kinds[] = {Kind::phantom, Kind::draw, Kind::teammate};
        slot.play.kind = kinds[int(e.card)];
    }
    const Card* drawn =
        slot.play.kind == Kind::draw && !e.drawn.empty() ? c.night.card(e.drawn) : nullptr;
    if (drawn) {
        fromcard(slot, c, drawn);
        slot.play.card = drawn->name;
    } else {
        fromabsent(slot, c);
    }
    return slot;
}

// The teammate's card and handicaps are played twice; with no teammate playing, the par card.
void teammates(std::vector<Slot>& side) {
    for (std::size_t k = 0; k < side.size(); ++k) {
        Slot& slot = side[k];
        if (slot.play.kind != Kind::teammate) continue;
        const Slot* mate = side.size() == 2 ? &side[1 - k] : nullptr;
        if (mate && !mate->play.absent() && mate->card) {
            slot.card = mate->card;
            slot.play.card = mate->play.player;
            slot.play.mh = mate->play.mh;
            slot.play.bestball = mate->play.bestball;
        }
    }
}

std::vector<Slot> resolveside(const SideSheet* ss, const Context& c) {
    std::vector<Slot> out;
    if (!ss) return out;
    for (const Entry& e : ss->entries) out.push_back(resolve(e, c));
    teammates(out);
    return out;
}

std::vector<int> holerange(Nine nine) {
    std::vector<int> out;
    for (int h = nine == Nine::back ? 9 : 0; h < (nine == Nine::front ? 9 : 18); ++h)
        out.push_back(h);
    return out;
}

std::string holesmissing(const Card& card, const std::vector<int>& holes) {
    const auto none = [&](int h) { return card.holes[std::size_t(h)] <= 0; };
    if (std::all_of(card.holes.begin(), card.holes.end(), [](int v) { return v <= 0; }))
        return card.name + "'s round has no hole scores";
    for (int h : holes)
        if (none(h)) return card.name + " has no score on hole " + std::to_string(h + 1);
    return {};
}

// The first reason of the entries: a missing round, a missing match handicap, a hole
// without a score; then a card from another course.
std::string entryreason(const std::vector<Slot>& slots, const Context& c, Nine nine, int course) {
    const std::vector<int> holes = holerange(nine);
    for (const Slot& slot : slots) {
        if (slot.noround) return "no round for " + slot.play.player;
        const bool needsmh = slot.play.kind != Kind::forfeit || c.s.format == Format::teams;
        // A card that stands in plays with its owner's handicap.
        if (needsmh && !slot.play.mh)
            return "no match handicap for " + (slot.card ? slot.card->name : slot.play.player);
        if (slot.card)
            if (std::string r = holesmissing(*slot.card, holes); !r.empty()) return r;
    }
    for (const Slot& slot : slots)
        if (slot.card && slot.card->course != course)
            return slot.card->name + " played another course";
    return {};
}

int matchcourse(const std::vector<Slot>& slots, const NightInput& night) {
    for (const Slot& slot : slots)
        if (slot.card) return slot.card->course;
    return night.nightcourse;
}

std::string sidereason(const Pair& pair, const std::vector<Slot>& s1, const std::vector<Slot>& s2,
                       Format format) {
    const std::size_t wanted = format == Format::teams ? 2 : 1;
    for (const auto& [name, slots] : {std::pair{&pair.side1, &s1}, std::pair{&pair.side2, &s2}})
        if (slots->size() != wanted)
            return *name + (format == Format::teams ? " has fewer than two players"
                                                    : " is not a player of the league");
    return {};
}

Points capped(Points p, const SlotPlay& slot, const MatchSettings& s) {
    if (slot.kind == Kind::substitute && s.substitutecap) return std::min(p, *s.substitutecap);
    if (slot.absent() && s.phantompoints == PhantomPoints::lost) return {};
    return p;
}

SinglePart playpart(const SlotPlay& a, const SlotPlay& b, const MatchHoles& holes,
                    const MatchSettings& s) {
    SinglePart part{a, b, Status::played, std::nullopt, {}, {}};
    if (a.absent() && b.absent()) {
        part.status = Status::notplayed;
        return part;
    }
    if (a.kind == Kind::forfeit || b.kind == Kind::forfeit) {
        (a.kind == Kind::forfeit ? part.points2 : part.points1) = singlestake(s, holes.count());
    } else {
        part.play = playsingle(a.gross, a.mh.value_or(0), b.gross, b.mh.value_or(0), holes, s);
        part.points1 = part.play->points1;
        part.points2 = part.play->points2;
    }
    part.points1 = capped(part.points1, a, s);
    part.points2 = capped(part.points2, b, s);
    return part;
}

// A team's A (the lower playing match handicap; equal, the first on the roster) and B.
std::vector<SlotPlay> lineup(const std::vector<Slot>& side) {
    std::vector<SlotPlay> out;
    for (const Slot& s : side) out.push_back(s.play);
    if (out.size() == 2 && out[1].mh && (!out[0].mh || *out[1].mh < *out[0].mh))
        std::swap(out[0], out[1]);
    return out;
}

void finishslots(std::vector<Slot>& slots, const CourseHoles& course, const MatchHoles& holes,
                 int penalty) {
    for (Slot& slot : slots)
        slot.play.gross = slot.card ? slot.card->holes
                                    : parcard(course, holes, slot.play.mh.value_or(0), penalty);
}

MatchResult waitfor(MatchResult r, std::vector<SlotPlay> side1, std::vector<SlotPlay> side2,
                    Status status, std::string reason) {
    r.status = status;
    r.reason = std::move(reason);
    const std::size_t n = std::max(side1.size(), side2.size());
    side1.resize(n);
    side2.resize(n);
    for (std::size_t k = 0; k < n; ++k)
        r.singles.push_back({side1[k], side2[k], status, std::nullopt, {}, {}});
    return r;
}

bool allabsent(const std::vector<Slot>& a, const std::vector<Slot>& b) {
    const auto absent = [](const Slot& s) { return s.play.absent(); };
    return std::all_of(a.begin(), a.end(), absent) && std::all_of(b.begin(), b.end(), absent);
}

} // namespace

Names namesof(const NightInput& night) {
    Names out;
    for (const Card& c : night.cards) out.insert(c.name);
    return out;
}

MatchResult workoutpair(const Week& week, const Pair& pair, const WeekSheet& sheet,
                        const NightInput& night, const MatchSettings& s) {
    MatchResult r;
    r.week = week.number;
    r.date = week.date;
    r.pair = pair;
    if (pair.bye()) {
        r.status = week.cancelled   ? Status::cancelled
                   : night.rounds() ? Status::played
                                    : Status::waiting;
        if (r.status == Status::waiting) r.reason = "no rounds that night";
        if (r.status == Status::played) r.points1 = Points::whole(s.byepoints);
        return r;
    }
    const Context c{sheet, night, s};
    std::vector<Slot> s1 = resolveside(sheet.side(pair.side1), c);
    std::vector<Slot> s2 = resolveside(sheet.side(pair.side2), c);
    if (week.cancelled) return waitfor(std::move(r), lineup(s1), lineup(s2), Status::cancelled, {});
    std::string reason =
        night.rounds() ? sidereason(pair, s1, s2, s.format) : "no rounds that night";
    if (reason.empty() && allabsent(s1, s2))
        return waitfor(std::move(r), lineup(s1), lineup(s2), Status::notplayed, {});
    std::vector<Slot> all = s1;
    all.insert(all.end(), s2.begin(), s2.end());
    const int courseno = matchcourse(all, night);
    const auto course = night.courses.find(courseno);
    if (reason.empty() && (course == night.courses.end() || !course->second.strokeindex))
        reason = (course == night.courses.end() ? "course " + std::to_string(courseno)
                                                : course->second.name) +
                 " has no stroke indexes";
    if (reason.empty()) reason = entryreason(all, c, week.nine, courseno);
    if (!reason.empty())
        return waitfor(std::move(r), lineup(s1), lineup(s2), Status::waiting, reason);

    r.course = course->second.name;
    r.par = course->second.par;
    r.holes = matchholes(*course->second.strokeindex, week.nine);
    finishslots(s1, course->second, r.holes, s.penalty);
    finishslots(s2, course->second, r.holes, s.penalty);
    const std::vector<SlotPlay> t1 = lineup(s1), t2 = lineup(s2);
    for (std::size_t k = 0; k < t1.size(); ++k) {
        r.singles.push_back(playpart(t1[k], t2[k], r.holes, s));
        r.points1 += r.singles.back().points1;
        r.points2 += r.singles.back().points2;
    }
    if (s.format == Format::teams)
        for (const TeamPart& p : playteamparts(t1, t2, r.holes, s)) {
            r.teamparts.push_back(p);
            r.points1 += p.points1;
            r.points2 += p.points2;
        }
    return r;
}

WeekResult workoutweek(const Week& week, const WeekSheet* stored, const std::vector<Side>& sides,
                       const NightInput& night, const MatchSettings& s) {
    WeekResult out{week, {}};
    if (!week.paired) {
        MatchResult r;
        r.week = week.number;
        r.date = week.date;
        r.status = week.cancelled ? Status::cancelled : Status::waiting;
        if (!week.cancelled)
            r.reason = week.number > 1 ? "a position week, paired once week " +
                                             std::to_string(week.number - 1) + " has its rounds"
                                       : "a position week not yet paired";
        out.matches.push_back(std::move(r));
        return out;
    }
    WeekSheet sheet = stored ? *stored : WeekSheet{};
    fillsheet(sheet, week, sides, namesof(night), s, {});
    for (const Pair& p : week.pairs) out.matches.push_back(workoutpair(week, p, sheet, night, s));
    return out;
}

} // namespace greenfold::matchplay
