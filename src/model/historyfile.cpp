#include "model/historyfile.h"

#include "model/textline.h"

#include <algorithm>
#include <chrono>
#include <fstream>

namespace greenfold {

namespace {

bool inrange(const std::optional<int16_t>& v, int lo, int hi) {
    return v && *v >= lo && *v <= hi;
}

// A day that is on the calendar, in the years a league's rounds can have.
bool realdate(int year, const std::optional<int16_t>& month, const std::optional<int16_t>& day) {
    if (year < 1900 || year > 2099 || !inrange(month, 1, 12) || !inrange(day, 1, 31)) return false;
    const std::chrono::year_month_day date{std::chrono::year{year},
                                           std::chrono::month{unsigned(*month)},
                                           std::chrono::day{unsigned(*day)}};
    return date.ok();
}

bool readnote(LineReader& in, DatedNote& n) {
    auto month = in.nextinteger();
    auto day = in.nextinteger();
    auto year = in.nextinteger();
    auto tee = in.nextinteger();
    auto flags = in.nextinteger();
    if (!inrange(year, 0, 99) || !realdate(fullyear(*year), month, day) ||
        !inrange(tee, 0, tee_pro) || !inrange(flags, 0, roundflags))
        return false;
    n = {*month, *day, *year, {*tee, static_cast<uint8_t>(*flags)}};
    return true;
}

bool readissued(LineReader& in, IssuedIndex& i) {
    auto year = in.nextinteger();
    auto month = in.nextinteger();
    auto day = in.nextinteger();
    auto tenths = in.nextinteger();
    if (!year || !realdate(*year, month, day) || !inrange(tenths, minindextenths, maxindextenths))
        return false;
    i = {*year, *month, *day, *tenths};
    return true;
}

bool readentry(LineReader& in, HistoryEntry& e) {
    auto name = in.next();
    if (!name) return false;
    e.name = std::string(*name);
    auto rounds = in.nextinteger();
    if (!inrange(rounds, 0, maxrounds)) return false;
    e.rounds.resize(static_cast<std::size_t>(*rounds));
    for (DatedNote& n : e.rounds)
        if (!readnote(in, n)) return false;
    auto issued = in.nextinteger();
    if (!inrange(issued, 0, INT16_MAX)) return false;
    for (int k = 0; k < *issued; ++k)
        if (!readissued(in, e.issued.emplace_back())) return false;
    return true;
}

// The entry player p takes; taken marks the entries already given out.
int entryfor(const League& g, int p, const std::vector<HistoryEntry>& entries,
             const std::vector<bool>& taken) {
    const std::size_t own = std::size_t(p - 1);
    if (own < entries.size() && !taken[own] && entries[own].name == g.playername[p])
        return int(own);
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (!taken[k] && entries[k].name == g.playername[p]) return int(k);
    return -1;
}

void placeentry(League& g, int p, const HistoryEntry& e) {
    PlayerHistory& h = g.history[p];
    h.issued = e.issued;
    const int rounds = std::min<int>(g.roundcount[p], int(e.rounds.size()));
    for (int r = 1; r <= rounds; ++r) {
        const DatedNote& n = e.rounds[std::size_t(r - 1)];
        if (n.month == g.rmonth[p][r] && n.day == g.rday[p][r] && n.year == g.ryear[p][r])
            h.rounds[r] = n.note;
    }
}

} // namespace

std::string historyfilename(const std::string& leaguefile) {
    std::string name = leaguefile;
    std::string tail = name.size() >= 4 ? name.substr(name.size() - 4) : "";
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    if (tail == ".LGE") name.resize(name.size() - 4);
    return name + historysuffix;
}

std::optional<std::vector<HistoryEntry>> readhistory(std::istream& in) {
    LineReader lines(in);
    if (lines.next() != historyversion) return std::nullopt;
    auto count = lines.nextinteger();
    if (!inrange(count, 0, maxplayers)) return std::nullopt;
    std::vector<HistoryEntry> entries(static_cast<std::size_t>(*count));
    for (HistoryEntry& e : entries)
        if (!readentry(lines, e)) return std::nullopt;
    return entries;
}

std::string historybytes(const League& g) {
    LineWriter out;
    const int players = std::clamp<int>(g.playercount, 0, maxplayers);
    out.text(historyversion).integer(players);
    for (int p = 1; p <= players; ++p) {
        const PlayerHistory& h = g.history[p];
        const int rounds = std::clamp<int>(g.roundcount[p], 0, maxrounds);
        out.text(g.playername[p]).integer(rounds);
        for (int r = 1; r <= rounds; ++r)
            out.integer(g.rmonth[p][r])
                .integer(g.rday[p][r])
                .integer(g.ryear[p][r])
                .integer(h.rounds[r].tee)
                .integer(h.rounds[r].flags);
        out.integer(long(h.issued.size()));
        for (const IssuedIndex& i : h.issued)
            out.integer(i.year).integer(i.month).integer(i.day).integer(i.tenths);
    }
    return out.str();
}

void placehistory(League& g, const std::vector<HistoryEntry>& entries) {
    g.history = {};
    std::vector<bool> taken(entries.size());
    const int players = std::clamp<int>(g.playercount, 0, maxplayers);
    for (int p = 1; p <= players; ++p) {
        const int k = entryfor(g, p, entries, taken);
        if (k < 0) continue;
        taken[std::size_t(k)] = true;
        placeentry(g, p, entries[std::size_t(k)]);
    }
}

Message historyloadfailure(const std::string& file) {
    return {"The index history file " + file +
                " could not be read. The league is open without the indexes issued before; "
                "the damaged file will be kept beside it when the league is saved.",
            "Greenfold", Icon::exclamation};
}

Message historysavefailure() {
    return {"Error Creating Index History File", "Greenfold", Icon::exclamation};
}

Outcome loadhistory(ProgramState& g, const fs::path& dir) {
    g.history = {};
    const fs::path file = findfile(dir, historyfilename(g.leaguefile));
    std::error_code ec;
    if (!fs::exists(file, ec)) return {};
    std::ifstream in(file, std::ios::binary);
    const auto entries = readhistory(in);
    if (!entries) {
        markdamaged(g.damagedfiles, file);
        Outcome out;
        out.add(historyloadfailure(file.filename().string()));
        return out;
    }
    placehistory(g, *entries);
    return {};
}

void stagehistory(const ProgramState& g, LeagueCommit& commit) {
    commit.write(historyfilename(g.leaguefile), historybytes(g), historysavefailure());
}

} // namespace greenfold
