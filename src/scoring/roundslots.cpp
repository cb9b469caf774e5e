#include "scoring/roundslots.h"

#include "model/textline.h"
#include "scoring/handicap.h"
#include "whs/leaguerecord.h"
#include "whs/leaguereplay.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace greenfold {

namespace {

Message refusal(std::string text) {
    return {std::move(text), "Greenfold", Icon::exclamation};
}

// A box as a whole number: its leading number, halves to even; an empty box is 0. A
// number too long to convert stays far out of the score range, so it is refused below
// rather than wrapped around.
long wholescore(const std::string& text) {
    constexpr double far = 1e9;
    const double value = leadingnumber(text);
    if (value < -far || value > far) return value < 0 ? -1000000000L : 1000000000L;
    return roundhalfeven(value);
}

} // namespace

HoleScores holescores(const DisplayedRound& round) {
    HoleScores scores{};
    for (int h = 1; h <= 18; ++h) scores[h] = wholescore(round.holes[h]);
    scores[19] = wholescore(round.out);
    scores[20] = wholescore(round.in);
    return scores;
}

namespace {

bool fitscores(const HoleScores& scores) {
    for (int k = 1; k <= maxholes; ++k)
        if (scores[k] < INT16_MIN || scores[k] > INT16_MAX) return false;
    return true;
}

bool validslot(const ProgramState& g, int p, int slot) {
    const int count = g.roundcount[p];
    return count >= 0 && count <= maxrounds && slot >= 0 && slot <= count;
}

Message noslope() {
    return refusal("This course has no slope rating for the selected tee. Set the slope in the "
                   "course window before recording the round.");
}

Message outofrange() {
    return refusal("The course rating or slope rating of the selected tee is out of range. "
                   "Correct it in the course window before recording the round.");
}

Message nostrokes() {
    return refusal("The scores of this round add up to no strokes. Correct the totals and "
                   "record again.");
}

// The round's differential, or the reason it cannot be formed. The WHS method works its
// differential out when it posts the round; here it needs a tee it can rate.
Outcome differentialof(const ProgramState& g, const RoundEntry& entry, const HoleScores& scores,
                       float& d) {
    const TeeRating tee = teerating(g, entry.course, entry.round.tee);
    if (!std::isfinite(tee.slope) || tee.slope == 0) return Outcome::failure(noslope());
    if (g.method == HandicapMethod::whs) {
        if (whs::leaguetee(g, entry.course, entry.round.tee).slope <= 0)
            return Outcome::failure(outofrange());
        if (scores[19] + scores[20] <= 0) return Outcome::failure(nostrokes());
        return {};
    }
    d = calcdifferential(int(scores[19]), int(scores[20]), tee.rating, tee.slope, g.ninehole);
    if (!std::isfinite(d)) return Outcome::failure(outofrange());
    return {};
}

Outcome prepare(const ProgramState& g, const RoundEntry& entry, HoleScores& scores, float& d) {
    const DisplayedRound& round = entry.round;
    const int p = entry.player;
    if (p < 1 || p > maxplayers) return Outcome::failure(refusal("No player is selected."));
    if (!validslot(g, p, entry.slot))
        return Outcome::failure(refusal("The round being edited is no longer in the league."));
    if (round.tee < tee_ladies || round.tee > tee_pro)
        return Outcome::failure(refusal("Select the tee the round was played from."));
    scores = holescores(round);
    if (!fitscores(scores))
        return Outcome::failure(refusal("A score is too large to record. Correct the hole "
                                        "scores or totals and record again."));
    return differentialof(g, entry, scores, d);
}

// The slot the round goes into: the edited one, or the next free one after dropping the
// oldest round of a full player.
int takeslot(ProgramState& g, int p, int slot) {
    if (slot > 0) return slot;
    if (g.roundcount[p] >= maxrounds)
        shiftrounds(g, p);
    else
        ++g.roundcount[p];
    return g.roundcount[p];
}

whs::LeagueScores leaguescores(const HoleScores& scores) {
    whs::LeagueScores s{};
    for (int k = 1; k <= maxholes; ++k) s[k] = static_cast<int16_t>(scores[k]);
    return s;
}

void storeround(ProgramState& g, const RoundEntry& e, int r, const HoleScores& scores) {
    const int p = e.player;
    g.rmonth[p][r] = int16_t(e.month);
    g.rday[p][r] = int16_t(e.day);
    g.ryear[p][r] = int16_t(e.year);
    g.roundcourse[p][r] = int16_t(e.course);
    for (int k = 1; k <= maxholes; ++k) g.holescore[p][r][k] = static_cast<int16_t>(scores[k]);
}

// Every value of a round, in the order the rounds have always been moved.
void copyslot(ProgramState& g, int p, int from, int to) {
    g.differential[p][to] = g.differential[p][from];
    g.rmonth[p][to] = g.rmonth[p][from];
    g.rday[p][to] = g.rday[p][from];
    g.ryear[p][to] = g.ryear[p][from];
    g.hcpindex[p][to] = g.hcpindex[p][from];
    g.coursehcp[p][to] = g.coursehcp[p][from];
    g.roundcourse[p][to] = g.roundcourse[p][from];
    g.holescore[p][to] = g.holescore[p][from];
    g.history[p].rounds[to] = g.history[p].rounds[from];
}

void clearslot(ProgramState& g, int p, int r) {
    g.differential[p][r] = 0;
    g.rmonth[p][r] = g.rday[p][r] = g.ryear[p][r] = 0;
    g.hcpindex[p][r] = 0;
    g.coursehcp[p][r] = 0;
    g.roundcourse[p][r] = 0;
    g.holescore[p][r].fill(0);
    g.history[p].rounds[r] = {};
}

// Under the WHS method a new round is posted to the record the player had before it.
std::optional<whs::Posting> postnew(const ProgramState& g, const RoundEntry& e,
                                    const HoleScores& scores) {
    const whs::Date date = whs::leaguedate(e.month, e.day, e.year);
    const whs::Round round = whs::leagueround(g, leaguescores(scores), e.course, e.round.tee, date);
    return whs::recordround(whs::playerrecord(g, e.player), round, {g.allowance});
}

// A new round is posted and stored; an edited round is stored and all the player's rounds
// are worked out again.
RecordResult recordwhs(ProgramState& g, const RoundEntry& e, const HoleScores& scores) {
    RecordResult result;
    std::optional<whs::Posting> posting;
    if (e.slot == 0 && !(posting = postnew(g, e, scores))) {
        result.outcome = Outcome::failure(nostrokes());
        return result;
    }
    const int p = e.player;
    const int r = takeslot(g, p, e.slot);
    storeround(g, e, r, scores);
    g.history[p].rounds[r] = {static_cast<int16_t>(e.round.tee), 0};
    whs::Account account;
    if (posting) {
        whs::applyposting(g, p, r, *posting);
        account = posting->account;
    } else {
        whs::replayplayer(g, p, r, &account);
    }
    const TeeRating tee = teerating(g, e.course, e.round.tee);
    result.stored = true;
    result.work = {tee.rating, tee.slope, g.differential[p][r], r};
    result.panel = whs::accountlines(account);
    for (const whs::AdjustedHole& h : account.adjustment.adjusted)
        result.counted.emplace_back(h.hole, h.counted);
    return result;
}

} // namespace

void shiftrounds(ProgramState& g, int p) {
    if (p < 1 || p > maxplayers) return;
    for (int k = 1; k < maxrounds; ++k) copyslot(g, p, k + 1, k);
}

bool recalcround(ProgramState& g, int p, int r, int tee, int limittee) {
    const TeeRating t = teerating(g, g.roundcourse[p][r], tee);
    if (!usablerating(t)) return false;
    const auto& scores = g.holescore[p][r];
    const float d = calcdifferential(scores[19], scores[20], t.rating, t.slope, g.ninehole);
    if (!std::isfinite(d)) return false;
    g.differential[p][r] = d;
    calchcpindex(g, p, r, limittee);
    g.coursehcp[p][r] = coursehandicap(g.hcpindex[p][r], t.slope);
    return true;
}

Outcome checkround(const ProgramState& g, const RoundEntry& entry) {
    HoleScores scores{};
    float d = 0;
    return prepare(g, entry, scores, d);
}

RecordResult recordround(ProgramState& g, const RoundEntry& entry) {
    RecordResult result;
    const DisplayedRound& round = entry.round;
    if (leadingnumber(round.out) == 0 && leadingnumber(round.in) == 0) return result;
    HoleScores scores{};
    float d = 0;
    result.outcome = prepare(g, entry, scores, d);
    if (!result.outcome) return result;
    if (g.method == HandicapMethod::whs) return recordwhs(g, entry, scores);

    const int p = entry.player;
    const TeeRating tee = teerating(g, entry.course, round.tee);
    const int r = takeslot(g, p, entry.slot);
    storeround(g, entry, r, scores);
    g.differential[p][r] = d;
    result.panel = calchcpindex(g, p, r, round.tee);
    g.coursehcp[p][r] = coursehandicap(g.hcpindex[p][r], tee.slope);
    result.stored = true;
    result.work = {tee.rating, tee.slope, d, r};
    return result;
}

namespace {

DisplayedRound NDBadjust(const ProgramState& g, const RoundEntry& entry) {
    auto trial = std::make_unique<ProgramState>(g);
    const RecordResult result = recordround(*trial, entry);
    DisplayedRound shown = entry.round;
    for (const auto& [hole, counted] : result.counted) shown.holes[hole] = std::to_string(counted);
    return shown;
}

} // namespace

HoleLimits limitholes(const ProgramState& g, const RoundEntry& entry) {
    if (g.method == HandicapMethod::whs) return {NDBadjust(g, entry), entry.round};
    const DisplayedRound limited = EQadjust(g, entry);
    return {limited, limited};
}

std::optional<std::string> limitnotice(const ProgramState& g, bool editing) {
    if (g.method == HandicapMethod::whs)
        return "Net double bogey is active: a hole over it shows what it counts; the scores are "
               "kept as typed";
    // Stroke control only ever limits new rounds, so the notice says so only then.
    if (g.escflag == 5 && !editing)
        return "Equitable Stroke Control is active, hole scores will be limited if necessary";
    return std::nullopt;
}

Message deleteroundquestion(const ProgramState& g) {
    const std::string asked = "Are You sure you want to Delete this round?\r\n\r\n";
    if (g.method == HandicapMethod::whs)
        return {asked + "After the round is deleted, the player's other\r\n"
                        "rounds are worked out again, each from its own tee.",
                "GFD", Icon::question};
    return {asked + "After the round is deleted, the Hcp\r\n"
                    "index will be recalculated for the last round\r\n"
                    "entered for this player using their default tee.",
            "GFD", Icon::question};
}

DeleteResult deleteround(ProgramState& g, int p, int s, bool confirmed, int selectedtee) {
    DeleteResult result;
    if (!confirmed || p < 1 || p > maxplayers) return result;
    if (s < 1 || s > g.roundcount[p] || g.roundcount[p] > maxrounds) return result;

    --g.roundcount[p];
    clearslot(g, p, s);
    for (int i = s; i <= g.roundcount[p]; ++i) copyslot(g, p, i + 1, i);
    result.deleted = true;
    if (g.method == HandicapMethod::whs) {
        whs::replayplayer(g, p);
        result.recalculated = true;
        return result;
    }
    if (g.roundcount[p] == 0) return result;

    result.recalculated = recalcround(g, p, g.roundcount[p], g.playertee[p], selectedtee);
    if (!result.recalculated)
        result.outcome.add(refusal("The round was deleted. The handicap of the player's last "
                                   "round was not recalculated, because its course has no "
                                   "slope rating for the player's default tee."));
    return result;
}

} // namespace greenfold
