#include "matchplay/matchtext.h"

#include "model/textline.h"
#include "whs/decimal.h"

namespace greenfold::matchplay {

namespace {

constexpr std::size_t labelwidth = 14;

std::string mhtext(const std::optional<int>& mh) {
    return mh ? whs::handicaptext(*mh) : "no hcp";
}

// Who fills a slot and how: "Bill (7)", "Sam for Ed (12)", "phantom for Dan (10), par card".
std::string slotline(const SlotPlay& p) {
    const std::string mh = " (" + mhtext(p.mh) + ")";
    switch (p.kind) {
    case Kind::played:
        return p.player + mh;
    case Kind::substitute:
        return p.player + " for " + p.regular + mh;
    case Kind::forfeit:
        return p.player + " forfeits";
    case Kind::phantom:
        break;
    case Kind::draw:
        if (!p.card.empty())
            return "phantom for " + p.player + ", " + p.card + "'s card drawn" + mh;
        break;
    case Kind::teammate:
        if (!p.card.empty()) return "phantom for " + p.player + ", " + p.card + "'s card" + mh;
        break;
    }
    return "phantom for " + p.player + ", par card" + mh;
}

// A hole cell: the score with its strokes marked after it.
std::string holecell(int score, int strokes) {
    std::string marks(std::size_t(std::abs(strokes)), strokes > 0 ? '*' : '-');
    if (marks.size() > 2) marks = std::to_string(strokes) + "*";
    return alignright(std::to_string(score), 3) + alignleft(marks, 2);
}

std::string cardrow(const std::string& label, const MatchHoles& holes,
                    const std::array<int, 18>& values, const HoleStrokes* strokes) {
    std::string line = "     " + alignleft(label, labelwidth);
    int total = 0;
    for (int h : holes.holes) {
        const auto k = std::size_t(h);
        line += holecell(values[k], strokes ? (*strokes)[k] : 0);
        total += values[k];
    }
    return line + alignright(std::to_string(total), 6);
}

std::string pointsline(const std::string& name, Points points, Points won, const SingleMatch& m,
                       int side, bool eighteen) {
    const Points holes = side == 1 ? m.holepoints1 : m.holepoints2;
    const Points nines = side == 1 ? m.ninepoints1 : m.ninepoints2;
    const Points match = side == 1 ? m.matchpoints1 : m.matchpoints2;
    std::string line = name + " " + pointstext(points) + " (holes " + pointstext(holes);
    if (eighteen) line += ", nines " + pointstext(nines);
    line += ", match " + pointstext(match);
    if (points != won)
        line += "; won " + pointstext(won) + ", " + pointstext(won - points) + " lost";
    return line + ")";
}

void playedlines(std::vector<std::string>& out, const SinglePart& part, const MatchResult& m) {
    const SingleMatch& g = *part.play;
    const std::string n1 = "1 " + part.slot1.player, n2 = "2 " + part.slot2.player;
    std::string head = "     " + alignleft("Hole", labelwidth),
                par = "     " + alignleft("Par", labelwidth);
    for (int h : m.holes.holes) head += alignright(std::to_string(h + 1), 3) + "  ";
    out.push_back(head + " Total");
    out.push_back(cardrow("Par", m.holes, m.par, nullptr));
    out.push_back(cardrow(n1, m.holes, part.slot1.gross, &g.strokes1));
    out.push_back(cardrow("  net", m.holes, g.net1, nullptr));
    out.push_back(cardrow(n2, m.holes, part.slot2.gross, &g.strokes2));
    out.push_back(cardrow("  net", m.holes, g.net2, nullptr));
    std::string won = "     " + alignleft("Won by", labelwidth);
    for (int h : m.holes.holes) {
        const int w = g.won[std::size_t(h)];
        won += alignright(w == 0 ? "=" : std::to_string(w), 3) + "  ";
    }
    while (won.back() == ' ') won.pop_back();
    out.push_back(won);
    const bool eighteen = m.holes.count() == 18;
    out.push_back("     " + pointsline(part.slot1.player, part.points1, g.points1, g, 1, eighteen) +
                  ", " + pointsline(part.slot2.player, part.points2, g.points2, g, 2, eighteen));
}

void singlelines(std::vector<std::string>& out, const SinglePart& part, const std::string& label,
                 const MatchResult& m) {
    std::string head = "  " + label + slotline(part.slot1) + " v " + slotline(part.slot2);
    if (part.play) {
        const int r1 = part.play->received1, r2 = part.play->received2;
        if (r1 != 0) head += ": " + part.slot1.player + " receives " + whs::handicaptext(r1);
        if (r2 != 0)
            head +=
                (r1 != 0 ? ", " : ": ") + part.slot2.player + " receives " + whs::handicaptext(r2);
    }
    out.push_back(head);
    if (part.status != Status::played) {
        out.push_back("     " + statustext(part.status, m.reason));
    } else if (part.play) {
        playedlines(out, part, m);
    } else {
        out.push_back("     forfeit: " + part.slot1.player + " " + pointstext(part.points1) + ", " +
                      part.slot2.player + " " + pointstext(part.points2));
    }
}

std::string partline(const TeamPart& p, const Pair& pair) {
    std::string what;
    switch (p.kind) {
    case TeamPartKind::net:
        what = "Team net total " + std::to_string(p.total1) + " v " + std::to_string(p.total2);
        break;
    case TeamPartKind::aggregate:
        what = "Team aggregate, holes won " + std::to_string(p.total1) + " v " +
               std::to_string(p.total2);
        break;
    case TeamPartKind::bestball:
        what =
            "Best ball, holes won " + std::to_string(p.total1) + " v " + std::to_string(p.total2);
        break;
    }
    return "  " + what + ": " + pair.side1 + " " + pointstext(p.points1) + ", " + pair.side2 + " " +
           pointstext(p.points2);
}

void matchlines(std::vector<std::string>& out, const MatchResult& m, const MatchSettings& s) {
    out.push_back("");
    if (m.pair.side1.empty()) {
        out.push_back(statustext(m.status, m.reason));
        return;
    }
    if (m.pair.bye()) {
        out.push_back(m.pair.side1 + " has the bye" +
                      (m.status == Status::played ? ": " + pointstext(m.points1) + " points"
                                                  : ", " + statustext(m.status, m.reason)));
        return;
    }
    std::string head = m.pair.side1 + " v " + m.pair.side2;
    if (m.status == Status::played)
        head = alignleft(head, 50) + m.pair.side1 + " " + pointstext(m.points1) + ", " +
               m.pair.side2 + " " + pointstext(m.points2);
    out.push_back(head);
    if (m.status != Status::played && m.status != Status::notplayed)
        out.push_back("  " + statustext(m.status, m.reason));
    for (std::size_t k = 0; k < m.singles.size(); ++k)
        singlelines(out, m.singles[k], s.format == Format::teams ? (k == 0 ? "A  " : "B  ") : "",
                    m);
    for (const TeamPart& p : m.teamparts) out.push_back(partline(p, m.pair));
}

} // namespace

std::vector<std::string> matcheslines(const std::string& league, const WeekResult& week,
                                      const MatchSettings& s) {
    const Week& w = week.week;
    std::vector<std::string> out{league + " Matches, Week " + std::to_string(w.number) + ", " +
                                 nighttext(w.date) + ", " +
                                 (w.nine == Nine::all ? "18 holes" : ninetext(w.nine) + " nine")};
    for (const MatchResult& m : week.matches) matchlines(out, m, s);
    return out;
}

} // namespace greenfold::matchplay
