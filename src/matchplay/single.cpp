#include "matchplay/single.h"

namespace greenfold::matchplay {

namespace {

void addpair(Points& a, Points& b, std::pair<Points, Points> p) {
    a += p.first;
    b += p.second;
}

// The hole points: the winner takes them; a halved hole splits them, or carries them on
// to the next hole played, and what is still carried after the last is split.
void holepoints(SingleMatch& m, const MatchHoles& holes, const MatchSettings& s) {
    int carried = 0;
    for (int h : holes.holes) {
        const int won = m.won[std::size_t(h)];
        const int stake = s.holepoints + carried;
        if (won == 0 && s.halved == Halved::carry) {
            carried = stake;
            continue;
        }
        carried = 0;
        if (won == 0) {
            m.holepoints1 += Points::half(stake);
            m.holepoints2 += Points::half(stake);
        } else {
            (won == 1 ? m.holepoints1 : m.holepoints2) += Points::whole(stake);
        }
    }
    m.holepoints1 += Points::half(carried);
    m.holepoints2 += Points::half(carried);
}

// Each nine of an 18-hole match: more holes won, lower net.
void ninepoints(SingleMatch& m, const MatchHoles& holes, const MatchSettings& s) {
    if (holes.count() != 18) return;
    for (int first : {0, 9}) {
        int won1 = 0, won2 = 0, net1 = 0, net2 = 0;
        for (int h = first; h < first + 9; ++h) {
            won1 += m.won[std::size_t(h)] == 1;
            won2 += m.won[std::size_t(h)] == 2;
            net1 += m.net1[std::size_t(h)];
            net2 += m.net2[std::size_t(h)];
        }
        addpair(m.ninepoints1, m.ninepoints2, tohigher(won1, won2, s.nineholespoints));
        addpair(m.ninepoints1, m.ninepoints2, tolower(net1, net2, s.ninenetpoints));
    }
}

} // namespace

std::pair<Points, Points> tolower(int a, int b, int points) {
    if (a == b) return {Points::half(points), Points::half(points)};
    return a < b ? std::pair{Points::whole(points), Points{}}
                 : std::pair{Points{}, Points::whole(points)};
}

std::pair<Points, Points> tohigher(int a, int b, int points) {
    return tolower(b, a, points);
}

SingleMatch playsingle(const std::array<int, 18>& gross1, int mh1,
                       const std::array<int, 18>& gross2, int mh2, const MatchHoles& holes,
                       const MatchSettings& s) {
    SingleMatch m;
    std::tie(m.received1, m.received2) = matchstrokes(mh1, mh2, s);
    m.strokes1 = allocate(m.received1, holes);
    m.strokes2 = allocate(m.received2, holes);
    for (int h : holes.holes) {
        const auto k = std::size_t(h);
        m.net1[k] = gross1[k] - m.strokes1[k];
        m.net2[k] = gross2[k] - m.strokes2[k];
        m.won[k] = m.net1[k] < m.net2[k] ? 1 : m.net2[k] < m.net1[k] ? 2 : 0;
        m.holes1 += m.won[k] == 1;
        m.holes2 += m.won[k] == 2;
        m.nettotal1 += m.net1[k];
        m.nettotal2 += m.net2[k];
    }
    holepoints(m, holes, s);
    ninepoints(m, holes, s);
    addpair(m.matchpoints1, m.matchpoints2, tohigher(m.holes1, m.holes2, s.matchholespoints));
    addpair(m.matchpoints1, m.matchpoints2, tolower(m.nettotal1, m.nettotal2, s.matchnetpoints));
    m.points1 = m.holepoints1 + m.ninepoints1 + m.matchpoints1;
    m.points2 = m.holepoints2 + m.ninepoints2 + m.matchpoints2;
    return m;
}

} // namespace greenfold::matchplay
