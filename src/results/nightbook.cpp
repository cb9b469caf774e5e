#include "results/nightbook.h"

#include "model/leaguefile.h"
#include "results/nightrecord.h"

namespace greenfold {

namespace {

bool keptslot(const ProgramState& g, int p, int s) {
    return p >= 1 && p <= maxplayers && s >= 1 && s <= g.roundcount[p] && s <= maxrounds;
}

} // namespace

NightBook::NightBook(ProgramState& g, fs::path dir) : g_(g), dir_(std::move(dir)) {
    LoadedResults r = loadresults(g_, dir_);
    file_ = std::move(r.file);
    first_ = !r.exists && r.outcome.messages.empty();
    opened_ = std::move(r.outcome);
}

RecordResult NightBook::record(const RoundEntry& entry) {
    const int p = entry.player;
    const bool edit = keptslot(g_, p, entry.slot);
    const NightDate was = edit ? slotdate(g_, p, entry.slot) : NightDate{};
    RecordResult r = recordround(g_, entry);
    if (!r.stored) return r;
    // An edit that moved the round to another date takes it off its old night.
    if (edit && was != slotdate(g_, p, r.work.slot)) dropnight(file_, g_.playername[p], was);
    keepround(file_, g_, p, r.work.slot, entry.round.tee);
    refreshplayer(file_, g_, p);
    changed_ = true;
    return r;
}

DeleteResult NightBook::remove(int p, int s, int selectedtee) {
    const bool kept = keptslot(g_, p, s);
    const NightDate was = kept ? slotdate(g_, p, s) : NightDate{};
    DeleteResult r = deleteround(g_, p, s, true, selectedtee);
    if (!r.deleted || !kept) return r;
    dropnight(file_, g_.playername[p], was);
    refreshplayer(file_, g_, p);
    keepdraw(file_, g_);
    changed_ = true;
    return r;
}

Outcome NightBook::save(const CommitExtra& extra) {
    Outcome out = opened_;
    opened_ = {};
    LeagueCommit commit(dir_, g_.leaguefile);
    stageleague(g_, commit);
    // The league's first results file holds the year of its newest round.
    if (changed_ && first_) keepnewestyear(file_, g_);
    if (changed_) stageresults(g_, file_, commit);
    if (changed_ && extra) out.merge(extra(commit));
    out.merge(commit.run(g_.damagedfiles));
    if (out) changed_ = first_ = false;
    return out;
}

} // namespace greenfold
