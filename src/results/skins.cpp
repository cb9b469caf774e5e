#include "results/skins.h"

#include <algorithm>

namespace greenfold {

namespace {

// A player's score on each hole in one game; none where his round holds no score (a net
// score may be 0 or less).
struct Entrant {
    std::string name;
    std::array<std::optional<int>, 18> scores{};
    bool plays() const {
        return std::any_of(scores.begin(), scores.end(), [](auto s) { return s.has_value(); });
    }
};

std::optional<Entrant> entrant(const ResultLine& l, SkinKind kind, const CourseIndexes& courses) {
    Entrant e{l.name, {}};
    std::array<int, 18> strokes{};
    if (kind == SkinKind::net) {
        const auto si = courses.find(l.course);
        const auto got = si == courses.end() ? std::nullopt : holestrokes(l, si->second);
        if (!got) return std::nullopt;
        strokes = *got;
    }
    for (std::size_t h = 0; h < 18; ++h)
        if (l.holes[h] > 0) e.scores[h] = l.holes[h] - strokes[h];
    return e;
}

// The holes in order: a single lowest score wins the hole and what was carried into it.
void playholes(SkinsGame& g, const std::vector<Entrant>& field, bool carryover) {
    int carry = 0;
    for (std::size_t h = 0; h < 18; ++h) {
        const Entrant* best = nullptr;
        bool tied = false;
        for (const Entrant& e : field) {
            const std::optional<int> s = e.scores[h];
            if (!s) continue;
            if (!best || *s < *best->scores[h])
                best = &e, tied = false;
            else if (*s == *best->scores[h])
                tied = true;
        }
        if (!best) continue; // nobody played it: a carry passes on to the next hole
        if (tied) {
            carry = carryover ? carry + 1 : 0;
            continue;
        }
        g.wins.push_back({int(h) + 1, best->name, *best->scores[h], carry, 0});
        carry = 0;
    }
    g.carriedpast = carry;
}

// The pot over the skins won; a split carry past the last hole counts as won and goes in
// equal shares to the game's winners, in the order of their first win.
void payout(SkinsGame& g, bool splitlast) {
    std::vector<std::string> winners;
    int won = 0;
    for (const SkinWin& w : g.wins) {
        won += 1 + w.carried;
        if (std::find(winners.begin(), winners.end(), w.player) == winners.end())
            winners.push_back(w.player);
    }
    g.split = splitlast && g.carriedpast > 0 && !winners.empty();
    g.skinswon = won + (g.split ? g.carriedpast : 0);
    g.remaindercents = g.potcents;
    if (g.skinswon == 0) return;
    g.skincents = g.potcents / g.skinswon;
    for (SkinWin& w : g.wins) w.cents = (1 + w.carried) * g.skincents;
    if (g.split) {
        const long long share =
            g.carriedpast * g.skincents / static_cast<long long>(winners.size());
        for (const std::string& p : winners) g.wins.push_back({0, p, 0, g.carriedpast, share});
    }
    for (const SkinWin& w : g.wins) g.remaindercents -= w.cents;
}

SkinsGame game(const std::string& flight, SkinKind kind,
               const std::vector<const ResultLine*>& lines, const SkinsSettings& s,
               const CourseIndexes& courses) {
    SkinsGame g;
    g.flight = flight;
    g.kind = kind;
    std::vector<Entrant> field;
    for (const ResultLine* l : lines)
        if (auto e = entrant(*l, kind, courses); e && e->plays()) field.push_back(std::move(*e));
    g.players = int(field.size());
    g.potcents = static_cast<long long>(g.players) * s.potcents;
    playholes(g, field, s.carryover);
    payout(g, s.splitlast);
    return g;
}

// A round with hole scores and a handicap on a course without stroke indexes takes the
// night's net skins away; 0 when there is none.
int nonetcourse(const std::vector<const ResultLine*>& lines, const CourseIndexes& courses) {
    for (const ResultLine* l : lines)
        if (l->hcp && !l->totalsonly() && !courses.contains(l->course)) return l->course;
    return 0;
}

std::string nonettext(const std::string& course) {
    return "No net skins this night: " + course + " has no stroke indexes.";
}

} // namespace

std::optional<std::array<int, 18>> holestrokes(const ResultLine& line,
                                               const whs::StrokeIndexes& si) {
    if (!line.hcp) return std::nullopt;
    std::array<int, 18> strokes{};
    if (line.nine()) {
        const int nine = line.out == 0 ? 1 : 0;
        const std::array<int, 9> order = whs::nineorder(si, nine);
        for (int k = 0; k < 9; ++k)
            strokes[std::size_t(9 * nine + k)] = whs::strokesreceived(*line.hcp, order[k], 9);
        return strokes;
    }
    const whs::StrokeIndexes order = whs::eighteenorder(si);
    for (std::size_t h = 0; h < 18; ++h) strokes[h] = whs::strokesreceived(*line.hcp, order[h], 18);
    return strokes;
}

std::vector<SkinsTotal> skinstotals(const NightSkins& night) {
    std::vector<SkinsTotal> totals;
    for (const SkinsGame& g : night.games)
        for (const SkinWin& w : g.wins) {
            auto it = std::find_if(totals.begin(), totals.end(),
                                   [&](const SkinsTotal& t) { return t.player == w.player; });
            if (it == totals.end()) {
                totals.push_back(SkinsTotal{w.player, 0, 0});
                it = totals.end() - 1;
            }
            it->skins += w.hole > 0 ? 1 + w.carried : 0;
            it->cents += w.cents;
        }
    std::sort(totals.begin(), totals.end(), [](const SkinsTotal& a, const SkinsTotal& b) {
        return a.cents != b.cents ? a.cents > b.cents : a.player < b.player;
    });
    return totals;
}

CourseIndexes courseindexes(const ProgramState& g) {
    CourseIndexes out;
    for (int c = 1; c <= g.coursecount; ++c)
        if (auto si = whs::parsestrokeindexes(coursefield(g, c, courseline_strokeindex)))
            out[c] = *si;
    return out;
}

NightSkins nightskins(const ResultsFile& f, const NightDate& night, const Flights& flights,
                      const CourseIndexes& courses) {
    const SkinsSettings& s = f.settings.skins;
    NightSkins out{night, s, {}, ""};
    if (s.mode == SkinsMode::off) return out;
    std::vector<std::vector<const ResultLine*>> byflight(flights.names.size());
    std::vector<const ResultLine*> all;
    for (const ResultLine& l : f.lines)
        if (l.date == night) {
            byflight[std::size_t(flights.flightof(l.name))].push_back(&l);
            all.push_back(&l);
        }
    const bool gross = s.mode == SkinsMode::gross || s.mode == SkinsMode::both;
    bool net = s.mode == SkinsMode::net || s.mode == SkinsMode::both;
    if (net) out.nonetcourse = nonetcourse(all, courses);
    if (out.nonetcourse != 0) out.nonet = nonettext("course " + std::to_string(out.nonetcourse));
    net = net && out.nonet.empty();
    for (std::size_t k = 0; k < byflight.size(); ++k) {
        for (SkinKind kind : {SkinKind::gross, SkinKind::net}) {
            if (!(kind == SkinKind::gross ? gross : net)) continue;
            SkinsGame g = game(flights.names[k], kind, byflight[k], s, courses);
            if (g.players > 0) out.games.push_back(std::move(g));
        }
    }
    return out;
}

NightSkins nightskins(const ResultsFile& f, const ProgramState& g, const NightDate& night) {
    NightSkins n = nightskins(f, night, drawflights(f, night), courseindexes(g));
    if (n.nonetcourse >= 1 && n.nonetcourse <= g.coursecount) {
        const std::string& name = coursefield(g, n.nonetcourse, courseline_name);
        if (!name.empty()) n.nonet = nonettext(name);
    }
    return n;
}

} // namespace greenfold
