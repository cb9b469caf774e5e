#include "whs/posting.h"

namespace greenfold::whs {

namespace {

constexpr int holesforindex = 54;

using Differentials = std::vector<std::optional<Tenths>>;

std::optional<Tenths> indexineffect(const PlayerRecord& record) {
    if (record.history.empty()) return std::nullopt;
    return record.history.back().index;
}

// The rounds of the record and the new one, oldest first.
std::vector<const Round*> allrounds(const PlayerRecord& record, const Round& round) {
    std::vector<const Round*> rounds;
    for (const KeptRound& k : record.rounds) rounds.push_back(&k.round);
    rounds.push_back(&round);
    return rounds;
}

// Where the most recent 20 begin.
std::size_t recordstart(std::size_t size) {
    return size > recordsize ? size - recordsize : 0;
}

DifferentialStep differentiate(const Round& round, int ags, std::optional<Tenths> ineffect) {
    DifferentialStep d;
    d.nine = isnine(round);
    d.rating = ratingplayed(round);
    d.ags = ags;
    d.played = scoredifferential(ags, d.rating);
    d.unrounded = d.played;
    if (d.nine && !ineffect) return d; // waits for the player's first index
    if (d.nine) {
        d.expectedfrom = ineffect;
        d.unrounded = d.played + expectednine(*ineffect);
    }
    d.rounded = roundtenths(d.unrounded);
    return d;
}

std::optional<ReductionStep> reduce(Differentials& diffs, Tenths ineffect, Fraction unrounded) {
    const Tenths cut = exceptionalreduction(ineffect, unrounded);
    if (cut == Tenths{0}) return std::nullopt;
    ReductionStep r{ineffect, Fraction(ineffect) - unrounded, cut, 0};
    for (std::size_t i = recordstart(diffs.size()); i < diffs.size(); ++i) {
        if (!diffs[i]) continue;
        diffs[i] = *diffs[i] + cut;
        ++r.differentials;
    }
    return r;
}

int holesposted(const std::vector<const Round*>& rounds) {
    int holes = 0;
    for (std::size_t i = recordstart(rounds.size()); i < rounds.size(); ++i)
        holes += holesplayed(*rounds[i]);
    return holes;
}

// The nine-hole differential of a nine that waits, adjusted as it was, at par + 5.
Fraction waitingnine(const Round& r) {
    return scoredifferential(adjustround(r, std::nullopt).ags, ratingplayed(r));
}

// The starting index from the record's differentials and the waiting nines in pairs.
std::optional<IndexCalc> startingindex(const Differentials& diffs, std::size_t first,
                                       const std::vector<Fraction>& waiting) {
    std::vector<Tenths> start;
    for (std::size_t i = first; i < diffs.size(); ++i)
        if (diffs[i]) start.push_back(*diffs[i]);
    for (std::size_t k = 0; k + 1 < waiting.size(); k += 2)
        start.push_back(roundtenths(waiting[k] + waiting[k + 1]));
    return calculateindex(start, std::nullopt);
}

std::optional<FirstIndexStep> completenines(const std::vector<const Round*>& rounds,
                                            Differentials& diffs) {
    const std::size_t first = recordstart(rounds.size());
    std::vector<std::size_t> waits;
    for (std::size_t i = first; i < rounds.size(); ++i)
        if (!diffs[i] && isnine(*rounds[i]) && rateable(*rounds[i])) waits.push_back(i);
    const int holes = holesposted(rounds);
    if (waits.empty() || holes < holesforindex) return std::nullopt;

    std::vector<Fraction> waiting;
    for (std::size_t i : waits) waiting.push_back(waitingnine(*rounds[i]));
    const auto starting = startingindex(diffs, first, waiting);
    if (!starting) return std::nullopt;
    FirstIndexStep step{holes, *starting, {}};
    for (std::size_t k = 0; k < waits.size(); ++k) {
        const Tenths d = roundtenths(waiting[k] + expectednine(starting->index));
        diffs[waits[k]] = d;
        step.nines.push_back({rounds[waits[k]]->date, waiting[k], d});
    }
    return step;
}

std::optional<Date> previousdate(const PlayerRecord& record) {
    std::optional<Date> latest;
    for (const KeptRound& k : record.rounds)
        if (!latest || k.round.date > *latest) latest = k.round.date;
    return latest;
}

std::vector<Tenths> counted(const Differentials& diffs) {
    std::vector<Tenths> values;
    for (std::size_t i = recordstart(diffs.size()); i < diffs.size(); ++i)
        if (diffs[i]) values.push_back(*diffs[i]);
    return values;
}

void issueindex(Posting& p, const PlayerRecord& record, const Round& round,
                const Options& options) {
    Account& a = p.account;
    const std::vector<Tenths> values = counted(p.differentials);
    a.differentials = static_cast<int>(values.size());
    a.previous = previousdate(record);
    const auto low = a.previous ? lowindex(record.history, *a.previous) : std::nullopt;
    a.index = calculateindex(values, low);
    if (!a.index) return;
    p.index = a.index->index;
    p.revision = Revision{round.date, *p.index};
    a.handicap = roundhandicap(*p.index, round, options.allowance);
    p.coursehcp = a.handicap->playing;
}

} // namespace

std::optional<Posting> recordround(const PlayerRecord& record, const Round& round,
                                   const Options& options) {
    if (!rateable(round)) return std::nullopt;
    Posting p;
    Account& a = p.account;
    const auto rounds = allrounds(record, round);
    a.ineffect = indexineffect(record);
    a.holesposted = holesposted(rounds);
    std::optional<int> limits;
    if (a.ineffect) limits = roundhandicap(*a.ineffect, round, 100).playing;
    a.adjustment = adjustround(round, limits);
    a.differential = differentiate(round, a.adjustment.ags, a.ineffect);

    for (const KeptRound& k : record.rounds) p.differentials.push_back(k.differential);
    p.differentials.push_back(a.differential.rounded);
    if (a.ineffect && a.differential.rounded)
        a.reduction = reduce(p.differentials, *a.ineffect, a.differential.unrounded);
    if (!a.ineffect) a.firstindex = completenines(rounds, p.differentials);
    if (a.firstindex && !a.differential.rounded) {
        a.differential.expectedfrom = a.firstindex->starting.index;
        a.differential.unrounded =
            a.differential.played + expectednine(a.firstindex->starting.index);
        a.differential.rounded = p.differentials.back();
    }
    issueindex(p, record, round, options);
    return p;
}

void keep(PlayerRecord& record, const Round& round, const Posting& posting) {
    record.rounds.push_back({round, std::nullopt});
    for (std::size_t i = 0; i < record.rounds.size() && i < posting.differentials.size(); ++i)
        record.rounds[i].differential = posting.differentials[i];
    if (posting.revision) record.history.push_back(*posting.revision);
    if (record.rounds.size() > recordsize)
        record.rounds.erase(record.rounds.begin(),
                            record.rounds.end() - static_cast<std::ptrdiff_t>(recordsize));
}

} // namespace greenfold::whs
