#include "whs/leaguereplay.h"

#include "whs/leaguerecord.h"
#include "whs/posting.h"

#include <algorithm>

namespace greenfold::whs {

namespace {

Date oldestround(const ProgramState& g, int p, int rounds) {
    Date oldest = leaguedate(g.rmonth[p][1], g.rday[p][1], g.ryear[p][1]);
    for (int r = 2; r <= rounds; ++r)
        oldest = std::min(oldest, leaguedate(g.rmonth[p][r], g.rday[p][r], g.ryear[p][r]));
    return oldest;
}

} // namespace

ReplayCount replayplayer(ProgramState& g, int p, int accountslot, Account* account) {
    ReplayCount count;
    const int rounds = std::clamp<int>(g.roundcount[p], 0, maxrounds);
    if (rounds > 0) {
        const Date oldest = oldestround(g, p, rounds);
        std::erase_if(g.history[p].issued, [&](const IssuedIndex& i) {
            return Date{i.year, i.month, i.day} >= oldest;
        });
    }
    PlayerRecord record{{}, issuedindexes(g, p)};
    const Options options{g.allowance};
    for (int r = 1; r <= rounds; ++r) {
        const Round round = keptround(g, p, r);
        ++count.rounds;
        if (!keptroundtee(g, p, r).known) ++count.defaulttee;
        const auto posting = recordround(record, round, options);
        if (!posting) {
            record.rounds.push_back({round, std::nullopt});
            ++count.unrated;
            continue;
        }
        keep(record, round, *posting);
        applyposting(g, p, r, *posting);
        if (r == accountslot && account) *account = posting->account;
    }
    return count;
}

} // namespace greenfold::whs
