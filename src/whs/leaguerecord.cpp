#include "whs/leaguerecord.h"

#include "model/textline.h"
#include "whs/differential.h"

#include <algorithm>
#include <cmath>

namespace greenfold::whs {

namespace {

constexpr double largestfigure = 9999;

int whole(double value) {
    return std::fabs(value) <= largestfigure ? static_cast<int>(std::lround(value)) : 0;
}

float single(Tenths t) {
    return static_cast<float>(t.v) / 10.0f;
}

int16_t short16(int value) {
    return static_cast<int16_t>(std::clamp(value, int(INT16_MIN), int(INT16_MAX)));
}

void setflag(RoundNote& note, uint8_t flag, bool on) {
    note.flags = static_cast<uint8_t>(on ? note.flags | flag : note.flags & ~flag);
}

// The differentials of slot r and the slots before it, the newest last in the posting.
void applydifferentials(ProgramState& g, int p, int r, const Posting& posting) {
    const auto& diffs = posting.differentials;
    const int n = static_cast<int>(diffs.size());
    for (int k = 0; k < r && k < n; ++k) {
        const auto& d = diffs[std::size_t(n - 1 - k)];
        if (!d) continue; // a nine still waiting, or a round that could not be rated
        RoundNote& note = g.history[p].rounds[r - k];
        g.differential[p][r - k] = single(*d);
        setflag(note, roundflag_waiting, false);
        if (posting.account.reduction) setflag(note, roundflag_reduced, true);
    }
}

} // namespace

Tee leaguetee(const ProgramState& g, int course, int tee) {
    Tee t;
    if (course < 1 || course > g.coursecount || tee < tee_ladies || tee > tee_pro) return t;
    auto value = [&](int line) { return leadingnumber(coursefield(g, course, line)); };
    const double rating = value(courseline_rating0 + tee);
    t.rating = tenthsnear(rating);
    t.slope = std::fabs(rating) <= largestfigure ? whole(value(courseline_slope0 + tee)) : 0;
    for (int h = 1; h <= 18; ++h) t.par[h - 1] = whole(value(courseline_par0 + h));
    t.strokeindex = parsestrokeindexes(coursefield(g, course, courseline_strokeindex));
    return t;
}

Date leaguedate(int month, int day, int year) {
    return {fullyear(year), month, day};
}

Round leagueround(const ProgramState& g, const LeagueScores& scores, int course, int tee,
                  const Date& date) {
    Round r{date, leaguetee(g, course, tee), {}, scores[19], scores[20]};
    for (int h = 1; h <= 18; ++h) r.holes[h - 1] = scores[h];
    return r;
}

KeptTee keptroundtee(const ProgramState& g, int p, int r) {
    const int noted = g.history[p].rounds[r].tee;
    if (noted >= tee_ladies && noted <= tee_pro) return {noted, true};
    return {g.playertee[p], false};
}

Round keptround(const ProgramState& g, int p, int r) {
    return leagueround(g, g.holescore[p][r], g.roundcourse[p][r], keptroundtee(g, p, r).tee,
                       leaguedate(g.rmonth[p][r], g.rday[p][r], g.ryear[p][r]));
}

PlayerRecord playerrecord(const ProgramState& g, int p) {
    PlayerRecord record;
    const int count = std::clamp<int>(g.roundcount[p], 0, maxrounds);
    for (int r = 1; r <= count; ++r) {
        KeptRound& k = record.rounds.emplace_back(KeptRound{keptround(g, p, r), std::nullopt});
        if (!(g.history[p].rounds[r].flags & roundflag_waiting))
            k.differential = tenthsnear(g.differential[p][r]);
    }
    record.history = issuedindexes(g, p);
    return record;
}

std::vector<Revision> issuedindexes(const ProgramState& g, int p) {
    std::vector<Revision> revisions;
    revisions.reserve(g.history[p].issued.size());
    for (const IssuedIndex& i : g.history[p].issued)
        revisions.push_back({{i.year, i.month, i.day}, {i.tenths}});
    return revisions;
}

void applyposting(ProgramState& g, int p, int r, const Posting& posting) {
    RoundNote& note = g.history[p].rounds[r];
    const Adjustment& a = posting.account.adjustment;
    note.flags = 0;
    setflag(note, roundflag_estimated, a.nostrokeindex);
    setflag(note, roundflag_totals, a.totalsonly);
    applydifferentials(g, p, r, posting);
    if (!posting.account.differential.rounded) {
        g.differential[p][r] = 0;
        setflag(note, roundflag_waiting, true);
    }
    g.hcpindex[p][r] = posting.index ? single(*posting.index) : 0.0f;
    g.coursehcp[p][r] = posting.index ? static_cast<float>(posting.coursehcp) : 0.0f;
    if (const auto& v = posting.revision) {
        auto& issued = g.history[p].issued;
        issued.push_back({short16(v->date.year), short16(v->date.month), short16(v->date.day),
                          short16(v->index.v)});
        if (issued.size() > std::size_t(maxissued))
            issued.erase(issued.begin(), issued.end() - maxissued);
    }
}

} // namespace greenfold::whs
