#include "matchplay/matchtext.h"

#include "model/textline.h"

namespace greenfold::matchplay {

namespace {

std::string weeknine(const Week& w) {
    return w.cancelled ? "cancelled" : ninetext(w.nine);
}

std::string pairline(const Pair& p) {
    return p.bye() ? alignleft(p.side1, 22) + "   bye" : alignleft(p.side1, 22) + " v " + p.side2;
}

} // namespace

std::string ninetext(Nine nine) {
    switch (nine) {
    case Nine::front:
        return "front";
    case Nine::back:
        return "back";
    case Nine::all:
        break;
    }
    return "18";
}

std::vector<std::string> schedulelines(const std::string& league, const Schedule& s) {
    std::vector<std::string> out{league + " Match Schedule", "",
                                 "Week  Date      Nine       Matches"};
    for (const Week& w : s.weeks) {
        const std::string head = alignright(std::to_string(w.number), 4) + "  " +
                                 nighttext(w.date) + "  " + alignleft(weeknine(w), 9) + "  ";
        const std::string blank(head.size(), ' ');
        std::vector<std::string> lines;
        if (!w.paired)
            lines.push_back("position week, paired from the standings");
        else if (w.position)
            lines.push_back("position week:");
        for (const Pair& p : w.pairs) lines.push_back(pairline(p));
        if (lines.empty()) lines.push_back("");
        for (std::size_t k = 0; k < lines.size(); ++k)
            out.push_back((k == 0 ? head : blank) + lines[k]);
    }
    return out;
}

std::vector<std::string> scheduleheading() {
    return {"week", "date", "nine", "side1", "side2", "position"};
}

Cells schedulecells(const Schedule& s) {
    Cells rows;
    for (const Week& w : s.weeks) {
        const std::vector<std::string> start{std::to_string(w.number), nighttext(w.date),
                                             weeknine(w)};
        const std::string position = w.position ? "yes" : "no";
        auto row = [&](const std::string& a, const std::string& b) {
            std::vector<std::string> r = start;
            r.insert(r.end(), {a, b, position});
            rows.push_back(std::move(r));
        };
        if (w.pairs.empty()) row("", "");
        for (const Pair& p : w.pairs) row(p.side1, p.bye() ? "bye" : p.side2);
    }
    return rows;
}

} // namespace greenfold::matchplay
