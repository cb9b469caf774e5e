#include "matchplay/cards.h"

#include "matchplay/league.h"
#include "matchplay/match.h"
#include "matchplay/matchtext.h"
#include "results/nightrecord.h"
#include "results/skins.h"
#include "whs/decimal.h"

#include <algorithm>

namespace greenfold::matchplay {

namespace {

constexpr std::size_t perstrokecard = 4;

// A slot as the card shows it: who fills it and with which match handicap.
struct CardSlot {
    std::string label;
    std::optional<int> mh;
    bool forfeit = false;
};

std::optional<int> cardmh(const std::string& name, const WeekSheet* sheet, const NightInput& night,
                          const MatchSettings& s) {
    if (sheet)
        if (auto typed = sheet->typedmh(name)) return typed;
    const auto ch = night.absenthcp.find(name);
    if (ch == night.absenthcp.end()) return std::nullopt;
    return matchhandicap(ch->second, s.allowance);
}

// Before the night a slot is its regular's unless the secretary set it otherwise; after
// it, the sheet as filled from the rounds.
CardSlot cardslot(const std::string& regular, const WeekSheet* sheet, const NightInput& night,
                  const MatchSettings& s) {
    const Entry* e = sheet ? sheet->entry(regular) : nullptr;
    if (!e || e->kind == SlotKind::played || (!night.rounds() && !e->byhand))
        return {regular, cardmh(regular, sheet, night, s)};
    if (e->kind == SlotKind::substitute)
        return {e->substitute + " for " + regular, cardmh(e->substitute, sheet, night, s)};
    if (e->fill == AbsentFill::forfeit) return {regular + " forfeits", std::nullopt, true};
    // A drawn or a teammate's card plays with its owner's handicap, known on the night.
    if (e->card != PhantomCard::par) return {"phantom for " + regular, std::nullopt};
    return {"phantom for " + regular, cardmh(regular, sheet, night, s)};
}

std::vector<CardSlot> sideslots(const std::string& side, const std::vector<Side>& sides,
                                const WeekSheet* sheet, const NightInput& night,
                                const MatchSettings& s) {
    std::vector<CardSlot> out;
    const SideSheet* ss = sheet ? sheet->side(side) : nullptr;
    if (ss && !ss->entries.empty()) {
        for (const Entry& e : ss->entries) out.push_back(cardslot(e.player, sheet, night, s));
    } else if (const Side* found = findside(sides, side)) {
        for (const std::string& r : found->regulars) out.push_back(cardslot(r, sheet, night, s));
    }
    // The lower match handicap plays A; equal, the first on the roster.
    if (out.size() == 2 && out[1].mh && (!out[0].mh || *out[1].mh < *out[0].mh))
        std::swap(out[0], out[1]);
    return out;
}

std::string mhtext(const std::optional<int>& mh) {
    return mh ? whs::handicaptext(*mh) : "";
}

void addnote(std::string& note, const std::string& more) {
    if (note.find(more) == std::string::npos) note += (note.empty() ? "" : "; ") + more;
}

// The two slots of one single match, with the strokes each receives.
void singlelines(Scorecard& card, const CardSlot& a, const CardSlot& b, const std::string& label1,
                 const std::string& label2, const std::optional<MatchHoles>& holes,
                 const MatchSettings& s, bool newmatch) {
    CardLine l1{label1 + a.label, mhtext(a.mh), {}, newmatch};
    CardLine l2{label2 + b.label, mhtext(b.mh), {}, false};
    if (holes && a.mh && b.mh && !a.forfeit && !b.forfeit) {
        const auto [r1, r2] = matchstrokes(*a.mh, *b.mh, s);
        l1.strokes = allocate(r1, *holes);
        l2.strokes = allocate(r2, *holes);
    }
    for (const CardSlot* slot : {&a, &b})
        if (!slot->mh && !slot->forfeit)
            addnote(card.note, "no match handicap yet for " + slot->label + ": no strokes marked");
    card.lines.push_back(std::move(l1));
    card.lines.push_back(std::move(l2));
}

std::vector<int> holerange(Nine nine) {
    std::vector<int> out;
    for (int h = nine == Nine::back ? 9 : 0; h < (nine == Nine::front ? 9 : 18); ++h)
        out.push_back(h);
    return out;
}

// The card's holes, par and stroke indexes; the note when the course has none.
Scorecard blankcard(const CourseHoles& course, Nine nine, std::string heading, std::string title) {
    Scorecard card;
    card.heading = std::move(heading);
    card.title = std::move(title);
    card.holes = holerange(nine);
    card.par = course.par;
    if (course.strokeindex)
        card.index = *course.strokeindex;
    else
        card.note = course.name + " has no stroke indexes: no strokes marked";
    return card;
}

} // namespace

std::string ninewords(Nine nine) {
    return nine == Nine::all ? "18 holes" : ninetext(nine) + " nine";
}

std::vector<Scorecard> weekcards(const MatchFile& f, const std::vector<Side>& sides,
                                 const NightInput& night, const Week& week, int course) {
    std::vector<Scorecard> out;
    const auto c = night.courses.find(course);
    if (c == night.courses.end() || week.cancelled) return out;
    const CourseHoles& holes = c->second;
    std::optional<MatchHoles> ranked;
    if (holes.strokeindex) ranked = matchholes(*holes.strokeindex, week.nine);
    const WeekSheet* sheet = f.sheet(week.number);
    const MatchSettings& s = f.settings;
    const std::string title = "Week " + std::to_string(week.number) + ", " + nighttext(week.date) +
                              ", " + ninewords(week.nine) + ", " + holes.name;
    for (const Pair& p : week.pairs) {
        if (p.bye()) continue;
        Scorecard card = blankcard(holes, week.nine, p.side1 + " v " + p.side2, title);
        const auto s1 = sideslots(p.side1, sides, sheet, night, s);
        const auto s2 = sideslots(p.side2, sides, sheet, night, s);
        const bool teams = s.format == Format::teams;
        for (std::size_t k = 0; k < std::min(s1.size(), s2.size()); ++k) {
            const std::string ab = k == 0 ? " A: " : " B: ";
            singlelines(card, s1[k], s2[k], teams ? p.side1 + ab : "", teams ? p.side2 + ab : "",
                        ranked, s, k > 0);
        }
        out.push_back(std::move(card));
    }
    return out;
}

std::vector<Scorecard> nightcards(const ProgramState& g, const ResultsFile& f,
                                  const std::vector<int>& players, int course,
                                  const NightDate& date, Nine nine) {
    std::vector<Scorecard> out;
    const CourseHoles holes = courseholes(g, course);
    const std::string title = nighttext(date) + ", " + ninewords(nine) + ", " + holes.name;
    for (std::size_t k = 0; k < players.size(); ++k) {
        if (k % perstrokecard == 0) out.push_back(blankcard(holes, nine, "Stroke play", title));
        Scorecard& card = out.back();
        const int p = players[k];
        ResultLine line;
        line.date = date;
        line.name = g.playername[p];
        line.course = int16_t(course);
        line.tee = g.playertee[p];
        line.out = nine == Nine::back ? 0 : 1; // which holes the round plays
        line.in = nine == Nine::front ? 0 : 1;
        line.hcp = handicapfor(g, line, indexbeforenight(g, f, p, date), f.settings.allowance).hcp;
        CardLine cl{line.name, mhtext(line.hcp), {}, false};
        if (!line.hcp)
            addnote(card.note, line.name + " has no handicap yet");
        else if (holes.strokeindex)
            cl.strokes = holestrokes(line, *holes.strokeindex).value_or(std::array<int, 18>{});
        card.lines.push_back(std::move(cl));
    }
    return out;
}

} // namespace greenfold::matchplay
