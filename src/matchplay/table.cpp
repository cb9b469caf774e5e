#include "matchplay/table.h"

#include <algorithm>
#include <map>

namespace greenfold::matchplay {

namespace {

struct Tally {
    std::vector<TableRow> rows;
    std::map<std::string, std::size_t, std::less<>> index;

    TableRow& row(const std::string& side) {
        auto [it, added] = index.try_emplace(side, rows.size());
        if (added) {
            TableRow r;
            r.side = side;
            r.number = int(rows.size()) + 1;
            rows.push_back(std::move(r));
        }
        return rows[it->second];
    }
};

void count(Tally& t, const MatchResult& m) {
    // Both rows made before either is held: a new row may move the others.
    t.row(m.pair.side1);
    if (!m.pair.bye()) t.row(m.pair.side2);
    TableRow& a = t.row(m.pair.side1);
    if (m.pair.bye()) {
        if (m.status != Status::played) return;
        ++a.byes;
        a.points += m.points1;
        return;
    }
    TableRow& b = t.row(m.pair.side2);
    if (!m.counts()) return;
    a.points += m.points1;
    b.points += m.points2;
    ++a.played;
    ++b.played;
    if (m.points1 == m.points2) {
        ++a.halved;
        ++b.halved;
    } else {
        ++(m.points1 > m.points2 ? a.won : b.won);
        ++(m.points1 > m.points2 ? b.lost : a.lost);
    }
}

// The points each side won against the other sides level with it on points.
std::map<std::string, Points, std::less<>> headtohead(const std::vector<TableRow>& rows,
                                                      const std::vector<WeekResult>& weeks) {
    std::map<std::string, Points, std::less<>> level; // side -> its points
    for (const TableRow& r : rows) level[r.side] = r.points;
    std::map<std::string, Points, std::less<>> out;
    for (const WeekResult& w : weeks)
        for (const MatchResult& m : w.matches) {
            if (!m.counts()) continue;
            const auto a = level.find(m.pair.side1), b = level.find(m.pair.side2);
            if (a == level.end() || b == level.end() || a->second != b->second) continue;
            out[m.pair.side1] += m.points1;
            out[m.pair.side2] += m.points2;
        }
    return out;
}

} // namespace

std::vector<TableRow> seasontable(const std::vector<std::string>& sides,
                                  const std::vector<WeekResult>& weeks, const MatchSettings& s) {
    Tally t;
    for (const std::string& side : sides) t.row(side);
    for (const WeekResult& w : weeks)
        for (const MatchResult& m : w.matches)
            if (!m.pair.side1.empty()) count(t, m);
    auto h2h = headtohead(t.rows, weeks);
    // What orders two sides before their number: equal keys share a place.
    auto key = [&](const TableRow& r) {
        return s.tiebreaks ? std::tuple(r.points, h2h[r.side], r.won)
                           : std::tuple(r.points, Points{}, 0);
    };
    std::vector<TableRow> rows = t.rows;
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const TableRow& a, const TableRow& b) { return key(a) > key(b); });
    for (std::size_t k = 0; k < rows.size(); ++k)
        rows[k].place = k > 0 && key(rows[k]) == key(rows[k - 1]) ? rows[k - 1].place : int(k) + 1;
    return rows;
}

std::vector<PlayerPoints> playerpoints(const std::vector<WeekResult>& weeks) {
    std::map<std::string, PlayerPoints, std::less<>> byname;
    auto add = [&](const SlotPlay& slot, Points p) {
        if (slot.absent()) return;
        PlayerPoints& pp = byname[slot.player];
        pp.name = slot.player;
        ++pp.matches;
        pp.points += p;
    };
    for (const WeekResult& w : weeks)
        for (const MatchResult& m : w.matches) {
            if (!m.counts()) continue;
            for (const SinglePart& part : m.singles) {
                if (part.status != Status::played) continue;
                add(part.slot1, part.points1);
                add(part.slot2, part.points2);
            }
        }
    std::vector<PlayerPoints> out;
    for (auto& [name, pp] : byname) out.push_back(pp);
    std::stable_sort(out.begin(), out.end(), [](const PlayerPoints& a, const PlayerPoints& b) {
        return a.points > b.points;
    });
    return out;
}

std::vector<WeekPost> weekposts(const WeekResult& week) {
    std::vector<WeekPost> out;
    const std::string head = "Week " + std::to_string(week.week.number);
    for (const MatchResult& m : week.matches) {
        if (m.pair.side1.empty() || m.status != Status::played) continue;
        if (m.pair.bye()) {
            out.push_back({m.pair.side1, head + " bye", m.points1});
            continue;
        }
        out.push_back({m.pair.side1, head + " v " + m.pair.side2, m.points1});
        out.push_back({m.pair.side2, head + " v " + m.pair.side1, m.points2});
    }
    return out;
}

} // namespace greenfold::matchplay
