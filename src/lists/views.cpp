#include "lists/views.h"

#include <algorithm>

namespace greenfold {

namespace {

bool validround(int p, int r) {
    return p >= 1 && p <= maxplayers && r >= 1 && r <= maxrounds;
}

int roundsof(const ProgramState& g, int p) {
    return std::clamp<int>(g.roundcount[p], 0, maxrounds);
}

int players(const ProgramState& g) {
    return std::clamp<int>(g.playercount, 0, maxplayers);
}

float roundkey(const ProgramState& g, int p, int r) {
    return datekey(g.ryear[p][r], g.rmonth[p][r], g.rday[p][r]);
}

SpinStep recentstep(const ProgramState& g, RoundView& v, int by, const char* hint) {
    for (int p = 1; p <= maxplayers; ++p) {
        const int slot = v.viewslot[p] + by;
        if (by < 0 ? v.viewslot[p] > 0 : slot <= roundsof(g, p))
            v.viewslot[p] = static_cast<int16_t>(slot);
    }
    return {hint, showrecent(g, v)};
}

SpinStep datestep(const ProgramState& g, RoundView& v, int by, const char* hint) {
    const int to = v.dateindex + by;
    if (to < 1 || to > int(v.datekeys.size())) return {"", showdate(g, v)};
    v.dateindex = to;
    return {hint, showdate(g, v)};
}

} // namespace

float datekey(int year, int month, int day) {
    if (year < 80) year += 100;
    return static_cast<float>(year * 372 + month * 31 + day);
}

void shellsort(std::vector<float>& keys) {
    const std::size_t n = keys.size();
    std::size_t gap = 1;
    while (gap * 2 + 1 < n) gap = gap * 2 + 1;
    for (; gap >= 1 && n > 1; gap /= 2) {
        for (std::size_t i = gap; i < n; ++i) {
            const float key = keys[i];
            std::size_t j = i;
            for (; j >= gap && keys[j - gap] > key; j -= gap) keys[j] = keys[j - gap];
            keys[j] = key;
        }
    }
}

void builddates(const ProgramState& g, RoundView& v) {
    v.datekeys.clear();
    for (int p = 1; p <= players(g); ++p)
        for (int r = 1; r <= roundsof(g, p); ++r) v.datekeys.push_back(roundkey(g, p, r));
    // Sorting first and dropping repeats afterwards keeps a full league (2000 rounds)
    // well inside one frame.
    shellsort(v.datekeys);
    v.datekeys.erase(std::unique(v.datekeys.begin(), v.datekeys.end()), v.datekeys.end());
}

ListLines showrecent(const ProgramState& g, const RoundView& v) {
    ListLines lines = listheaders();
    for (int p = 1; p <= players(g); ++p) {
        const int slot = v.viewslot[p];
        if (slot == 0 || g.playername[p].empty() || !validround(p, slot)) continue;
        roundline(lines, g, p, slot, slot);
    }
    return lines;
}

ListLines showdates(const ProgramState& g, RoundView& v) {
    builddates(g, v);
    v.dateindex = int(v.datekeys.size());
    return showdate(g, v);
}

ListLines showdate(const ProgramState& g, const RoundView& v) {
    ListLines lines = listheaders();
    if (v.dateindex < 1 || v.dateindex > int(v.datekeys.size())) return lines;
    const float key = v.datekeys[std::size_t(v.dateindex - 1)];
    for (int p = 1; p <= players(g); ++p)
        for (int r = 1; r <= roundsof(g, p); ++r)
            if (roundkey(g, p, r) == key) roundline(lines, g, p, r, g.roundcount[p]);
    return lines;
}

ListLines showplayer(const ProgramState& g, int p) {
    ListLines lines = listheaders();
    if (p < 1 || p > maxplayers) return lines;
    const int newest = roundsof(g, p);
    for (int r = newest; r >= 1; --r)
        roundline(lines, g, p, r, r == newest ? std::optional<int>(newest) : std::nullopt);
    return lines;
}

std::optional<ListLines> refreshview(const ProgramState& g, RoundView& v) {
    if (v.view == view_recent) {
        for (int p = 1; p <= maxplayers; ++p) v.viewslot[p] = static_cast<int16_t>(roundsof(g, p));
        return showrecent(g, v);
    }
    if (v.view == view_date) return showdates(g, v);
    return std::nullopt;
}

bool spinvisible(const RoundView& v) {
    return v.view == view_recent || v.view == view_date;
}

SpinStep spindown(const ProgramState& g, RoundView& v) {
    if (v.view == view_recent) return recentstep(g, v, -1, hint_recentdown);
    if (v.view == view_date) return datestep(g, v, -1, hint_datedown);
    return {"", showplayer(g, v.player)};
}

SpinStep spinup(const ProgramState& g, RoundView& v) {
    if (v.view == view_recent) return recentstep(g, v, +1, hint_recentup);
    if (v.view == view_date) return datestep(g, v, +1, hint_dateup);
    return {"", showplayer(g, v.player)};
}

} // namespace greenfold
