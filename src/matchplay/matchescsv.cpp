#include "matchplay/matchtext.h"

namespace greenfold::matchplay {

namespace {

std::string number(const std::optional<int>& v) {
    return v ? std::to_string(*v) : std::string();
}

// player, kind, card, mh, strokes of one slot.
std::vector<std::string> slotcells(const SlotPlay& p, bool forfeit, std::optional<int> strokes) {
    return {p.player, kindtext(p.kind), p.card, forfeit ? "" : number(p.mh),
            forfeit ? "" : number(strokes)};
}

// Points worked out, 0 - 0 for a part not played, nothing while waiting or cancelled.
std::pair<std::string, std::string> pointcells(Status status, Points a, Points b) {
    if (status == Status::played || status == Status::notplayed)
        return {pointstext(a), pointstext(b)};
    return {};
}

std::vector<std::string> singlerow(const SinglePart& part, const std::string& name) {
    const bool forfeit = part.slot1.kind == Kind::forfeit || part.slot2.kind == Kind::forfeit;
    std::optional<int> s1, s2;
    if (part.play) {
        s1 = part.play->received1;
        s2 = part.play->received2;
    }
    std::vector<std::string> row{name};
    const auto a = slotcells(part.slot1, forfeit, s1), b = slotcells(part.slot2, forfeit, s2);
    row.insert(row.end(), a.begin(), a.end());
    row.insert(row.end(), b.begin(), b.end());
    const auto [p1, p2] = pointcells(part.status, part.points1, part.points2);
    row.insert(row.end(), {p1, p2});
    return row;
}

const char* partname(TeamPartKind k) {
    switch (k) {
    case TeamPartKind::net:
        return "team net";
    case TeamPartKind::aggregate:
        return "team aggregate";
    case TeamPartKind::bestball:
        break;
    }
    return "best ball";
}

// The team parts a match lists: those worked out, or, for a team match not worked out,
// every part the settings give points. Matches between players have none.
std::vector<TeamPart> listedparts(const MatchResult& m, const MatchSettings& s) {
    if (m.status == Status::played || s.format != Format::teams) return m.teamparts;
    std::vector<TeamPart> out;
    if (s.teamnetpoints > 0) out.push_back({TeamPartKind::net, {}, {}, 0, 0});
    if (s.teamaggregatepoints > 0) out.push_back({TeamPartKind::aggregate, {}, {}, 0, 0});
    if (s.bestballpoints > 0) out.push_back({TeamPartKind::bestball, {}, {}, 0, 0});
    return out;
}

std::vector<std::vector<std::string>> matchrows(const MatchResult& m, const MatchSettings& s) {
    std::vector<std::vector<std::string>> rows;
    const std::string status = statustext(m.status, m.reason);
    if (m.pair.side1.empty()) {
        std::vector<std::string> row(11);
        row.insert(row.end(), {"", "", status});
        return {row};
    }
    if (m.pair.bye()) {
        std::vector<std::string> row{"bye"};
        row.resize(11);
        const auto [p1, p2] = pointcells(m.status, m.points1, {});
        row.insert(row.end(), {p1, "", status});
        return {row};
    }
    for (std::size_t k = 0; k < m.singles.size(); ++k) {
        const std::string name = s.format == Format::individual ? "single" : k == 0 ? "A" : "B";
        rows.push_back(singlerow(m.singles[k], name));
        rows.back().push_back(statustext(m.singles[k].status, m.reason));
    }
    for (const TeamPart& p : listedparts(m, s)) {
        std::vector<std::string> row{partname(p.kind)};
        row.resize(11);
        const auto [p1, p2] = pointcells(m.status, p.points1, p.points2);
        row.insert(row.end(), {p1, p2, status});
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

std::string statustext(Status status, const std::string& reason) {
    switch (status) {
    case Status::played:
        return "played";
    case Status::notplayed:
        return "not played";
    case Status::cancelled:
        return "cancelled";
    case Status::waiting:
        break;
    }
    return "waiting: " + reason;
}

std::string kindtext(Kind kind) {
    static const char* const words[] = {"played", "substitute", "phantom",
                                        "draw",   "teammate",   "forfeit"};
    return words[int(kind)];
}

std::vector<std::string> matchesheading() {
    return {"week",  "date",  "side1",    "side2",    "part",    "player1",
            "kind1", "card1", "mh1",      "strokes1", "player2", "kind2",
            "card2", "mh2",   "strokes2", "points1",  "points2", "status"};
}

Cells matchescells(const WeekResult& week, const MatchSettings& s) {
    Cells rows;
    for (const MatchResult& m : week.matches)
        for (auto& row : matchrows(m, s)) {
            std::vector<std::string> full{std::to_string(m.week), nighttext(m.date), m.pair.side1,
                                          m.pair.bye() && !m.pair.side1.empty() ? "bye"
                                                                                : m.pair.side2};
            full.insert(full.end(), row.begin(), row.end());
            rows.push_back(std::move(full));
        }
    return rows;
}

} // namespace greenfold::matchplay
