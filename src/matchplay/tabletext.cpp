#include "matchplay/matchtext.h"

#include "model/textline.h"

namespace greenfold::matchplay {

std::string entrytext(const Entry& e) {
    std::string how;
    switch (e.kind) {
    case SlotKind::played:
        how = "plays";
        break;
    case SlotKind::substitute:
        how = "absent, " + e.substitute + " substitutes";
        break;
    case SlotKind::absent:
        if (e.fill == AbsentFill::forfeit) {
            how = "absent, forfeits";
        } else if (e.card == PhantomCard::draw) {
            how = "absent, phantom with " + (e.drawn.empty()
                                                 ? std::string("a par card (no card to draw)")
                                                 : e.drawn + "'s card drawn");
        } else {
            how = e.card == PhantomCard::teammate ? "absent, phantom with the teammate's card"
                                                  : "absent, phantom with a par card";
        }
        break;
    }
    return how;
}

namespace {

std::string entryline(const Entry& e) {
    return alignleft(e.player, 22) + entrytext(e) + (e.byhand ? "" : "  (from the rounds)");
}

} // namespace

std::vector<std::string> sheetlines(const std::string& league, const Week& week,
                                    const WeekSheet& sheet) {
    std::vector<std::string> out{league + " Match Sheet, Week " + std::to_string(week.number) +
                                 ", " + nighttext(week.date)};
    for (const Pair& p : week.pairs) {
        if (p.bye()) continue;
        out.push_back("");
        out.push_back(p.side1 + " v " + p.side2);
        for (const std::string* name : {&p.side1, &p.side2}) {
            const SideSheet* ss = sheet.side(*name);
            if (!ss) continue;
            for (std::size_t k = 0; k < ss->entries.size(); ++k)
                out.push_back("  " + alignleft(k == 0 ? *name : "", 22) +
                              entryline(ss->entries[k]));
        }
    }
    if (!sheet.typed.empty()) {
        out.push_back("");
        out.push_back("Match handicaps typed for the night:");
        for (const TypedHandicap& t : sheet.typed)
            out.push_back("  " + alignleft(t.name, 22) + std::to_string(t.mh));
    }
    return out;
}

std::vector<std::string> standingslines(const std::string& league,
                                        const std::vector<TableRow>& table) {
    std::vector<std::string> out{league + " Match Standings", "",
                                 "Place  Side                   Played  Won  Lost  Halved  Byes  "
                                 " Points"};
    for (const TableRow& r : table)
        out.push_back(alignright(std::to_string(r.place), 5) + "  " + alignleft(r.side, 22) +
                      alignright(std::to_string(r.played), 7) +
                      alignright(std::to_string(r.won), 5) + alignright(std::to_string(r.lost), 6) +
                      alignright(std::to_string(r.halved), 8) +
                      alignright(std::to_string(r.byes), 6) + alignright(pointstext(r.points), 9));
    return out;
}

std::vector<std::string> standingsheading() {
    return {"place", "side", "played", "won", "lost", "halved", "byes", "points"};
}

Cells standingscells(const std::vector<TableRow>& table) {
    Cells rows;
    for (const TableRow& r : table)
        rows.push_back({std::to_string(r.place), r.side, std::to_string(r.played),
                        std::to_string(r.won), std::to_string(r.lost), std::to_string(r.halved),
                        std::to_string(r.byes), pointstext(r.points)});
    return rows;
}

} // namespace greenfold::matchplay
