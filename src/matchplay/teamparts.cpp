#include "matchplay/teamparts.h"

#include <algorithm>

namespace greenfold::matchplay {

namespace {

int value(const std::optional<int>& v) {
    return v.value_or(0);
}

bool winsnothing(const std::vector<SlotPlay>& team, const MatchSettings& s) {
    return std::all_of(team.begin(), team.end(), [&](const SlotPlay& p) {
        return p.kind == Kind::forfeit || (p.absent() && s.phantompoints == PhantomPoints::lost);
    });
}

// Sum over the team's cards of its gross over the holes less its match handicap.
int teamnet(const std::vector<SlotPlay>& team, const MatchHoles& holes) {
    int total = 0;
    for (const SlotPlay& p : team) {
        for (int h : holes.holes) total += p.gross[std::size_t(h)];
        total -= value(p.mh);
    }
    return total;
}

// A hole part: points a hole to the lower team score, split when equal.
TeamPart holepart(TeamPartKind kind, const std::array<int, 18>& score1,
                  const std::array<int, 18>& score2, const MatchHoles& holes, int points) {
    TeamPart part{kind, {}, {}, 0, 0};
    for (int h : holes.holes) {
        const auto k = std::size_t(h);
        const auto [p1, p2] = tolower(score1[k], score2[k], points);
        part.points1 += p1;
        part.points2 += p2;
        part.total1 += score1[k] < score2[k];
        part.total2 += score2[k] < score1[k];
    }
    return part;
}

// Team handicaps are the sums of the two match handicaps; the higher team receives the
// difference over the holes.
TeamPart aggregate(const std::vector<SlotPlay>& t1, const std::vector<SlotPlay>& t2,
                   const MatchHoles& holes, int points) {
    int hcp1 = 0, hcp2 = 0;
    for (const SlotPlay& p : t1) hcp1 += value(p.mh);
    for (const SlotPlay& p : t2) hcp2 += value(p.mh);
    const HoleStrokes s1 = allocate(std::max(hcp1 - hcp2, 0), holes);
    const HoleStrokes s2 = allocate(std::max(hcp2 - hcp1, 0), holes);
    std::array<int, 18> score1{}, score2{};
    for (int h : holes.holes) {
        const auto k = std::size_t(h);
        for (const SlotPlay& p : t1) score1[k] += p.gross[k];
        for (const SlotPlay& p : t2) score2[k] += p.gross[k];
        score1[k] -= s1[k];
        score2[k] -= s2[k];
    }
    return holepart(TeamPartKind::aggregate, score1, score2, holes, points);
}

// The lowest of the four best-ball handicaps plays off zero; each other player receives
// his less the lowest. A team's score on a hole is the better of its two nets.
TeamPart bestball(const std::vector<SlotPlay>& t1, const std::vector<SlotPlay>& t2,
                  const MatchHoles& holes, int points) {
    int lowest = 0;
    bool first = true;
    for (const auto* team : {&t1, &t2})
        for (const SlotPlay& p : *team) {
            lowest = first ? value(p.bestball) : std::min(lowest, value(p.bestball));
            first = false;
        }
    auto better = [&](const std::vector<SlotPlay>& team) {
        std::array<int, 18> score{};
        score.fill(0);
        bool any = false;
        for (const SlotPlay& p : team) {
            const HoleStrokes st = allocate(value(p.bestball) - lowest, holes);
            for (int h : holes.holes) {
                const auto k = std::size_t(h);
                const int net = p.gross[k] - st[k];
                score[k] = any ? std::min(score[k], net) : net;
            }
            any = true;
        }
        return score;
    };
    return holepart(TeamPartKind::bestball, better(t1), better(t2), holes, points);
}

} // namespace

std::vector<TeamPart> playteamparts(const std::vector<SlotPlay>& team1,
                                    const std::vector<SlotPlay>& team2, const MatchHoles& holes,
                                    const MatchSettings& s) {
    std::vector<TeamPart> parts;
    if (s.teamnetpoints > 0) {
        TeamPart net{TeamPartKind::net, {}, {}, teamnet(team1, holes), teamnet(team2, holes)};
        std::tie(net.points1, net.points2) = tolower(net.total1, net.total2, s.teamnetpoints);
        parts.push_back(net);
    }
    if (s.teamaggregatepoints > 0)
        parts.push_back(aggregate(team1, team2, holes, s.teamaggregatepoints));
    if (s.bestballpoints > 0) parts.push_back(bestball(team1, team2, holes, s.bestballpoints));
    const bool lost1 = winsnothing(team1, s), lost2 = winsnothing(team2, s);
    for (TeamPart& p : parts) {
        if (lost1) p.points1 = {};
        if (lost2) p.points2 = {};
    }
    return parts;
}

} // namespace greenfold::matchplay
