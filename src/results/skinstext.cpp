#include "results/skinstext.h"

#include "model/textline.h"

namespace greenfold {

namespace {

std::string money(long long cents) {
    return centstext(cents);
}
std::string skins(int n) {
    return std::to_string(n) + (n == 1 ? " skin" : " skins");
}

// What is played and the stake, then what becomes of a tie.
std::vector<std::string> settingslines(const SkinsSettings& s) {
    const char* kinds[] = {"No skins", "Gross skins", "Net skins", "Gross and net skins"};
    std::string line = kinds[int(s.mode)];
    if (s.mode == SkinsMode::off) return {line};
    line += ", stake " + money(s.potcents) + " a player" +
            (s.mode == SkinsMode::both ? " in each game" : "");
    if (!s.carryover) return {line, "A tied hole wins nothing"};
    return {line, s.splitlast ? "Ties carry over; a carry past the last hole is split"
                              : "Ties carry over; a carry past the last hole is lost"};
}

std::string gametitle(const SkinsGame& g) {
    return (g.flight.empty() ? "" : "Flight " + g.flight + ": ") + skinkindtext(g.kind) + ", " +
           std::to_string(g.players) + (g.players == 1 ? " player" : " players") + ", pot " +
           money(g.potcents);
}

std::string winline(const SkinWin& w) {
    return alignright(w.hole > 0 ? std::to_string(w.hole) : "split", 5) + "  " +
           alignleft(w.player, 22) + alignright(w.hole > 0 ? std::to_string(w.score) : "", 6) +
           alignright(std::to_string(w.carried), 8) + alignright(money(w.cents), 9);
}

// What the pot came to: the skins won and their price, a carry past the end, the remainder.
std::vector<std::string> gamefoot(const SkinsGame& g) {
    std::vector<std::string> out;
    if (g.carriedpast > 0)
        out.push_back(skins(g.carriedpast) + " carried past the last hole: " +
                      (g.split ? "split among the winners" : "lost"));
    if (!g.paidout()) {
        out.push_back("No skin won: the pot of " + money(g.potcents) + " is not paid out");
        return out;
    }
    out.push_back(skins(g.skinswon) + " won, " + money(g.skincents) + " a skin; remainder " +
                  money(g.remaindercents));
    return out;
}

// What to pay each player over all the games; nothing when no skin was won.
std::vector<std::string> totalslines(const NightSkins& night) {
    const std::vector<SkinsTotal> totals = skinstotals(night);
    if (totals.empty()) return {};
    std::vector<std::string> out = {"", "Payout by player, all games", totalscolumns};
    long long paid = 0;
    for (const SkinsTotal& t : totals) {
        out.push_back(std::string(7, ' ') + alignleft(t.player, 22) +
                      alignright(std::to_string(t.skins), 6) + alignright(money(t.cents), 17));
        paid += t.cents;
    }
    out.push_back(std::string(7, ' ') + alignleft("Paid out", 28) + alignright(money(paid), 17));
    return out;
}

} // namespace

std::string skinkindtext(SkinKind kind) {
    return kind == SkinKind::gross ? "Gross skins" : "Net skins";
}

std::vector<std::string> skinslines(const std::string& league, const NightSkins& night) {
    std::vector<std::string> out;
    out.push_back(league + " Skins " + nighttext(night.date));
    for (std::string& l : settingslines(night.settings)) out.push_back(std::move(l));
    if (!night.nonet.empty()) out.push_back(night.nonet);
    for (const SkinsGame& g : night.games) {
        out.push_back("");
        out.push_back(gametitle(g));
        if (!g.wins.empty()) out.push_back(skinscolumns);
        for (const SkinWin& w : g.wins) out.push_back(winline(w));
        for (std::string& l : gamefoot(g)) out.push_back(std::move(l));
    }
    for (std::string& l : totalslines(night)) out.push_back(std::move(l));
    return out;
}

std::vector<std::string> payoutlines(const std::string& league, const NightSkins& night) {
    std::vector<std::string> out = {league + " Skins " + nighttext(night.date)};
    std::vector<std::string> totals = totalslines(night);
    if (totals.empty()) totals = {"", "No skin was won: nobody is paid."};
    out.insert(out.end(), totals.begin(), totals.end());
    return out;
}

std::vector<std::string> skinsheading() {
    return {"date", "flight", "kind", "hole", "player", "score", "carried", "payout"};
}

std::vector<std::vector<std::string>> skinscells(const NightSkins& night) {
    std::vector<std::vector<std::string>> rows;
    for (const SkinsGame& g : night.games)
        for (const SkinWin& w : g.wins)
            rows.push_back({nighttext(night.date), g.flight,
                            g.kind == SkinKind::gross ? "gross" : "net",
                            w.hole > 0 ? std::to_string(w.hole) : "", w.player,
                            w.hole > 0 ? std::to_string(w.score) : "", std::to_string(w.carried),
                            money(w.cents)});
    return rows;
}

std::vector<std::string> totalsheading() {
    return {"date", "player", "skins", "payout"};
}

std::vector<std::vector<std::string>> totalscells(const NightSkins& night) {
    std::vector<std::vector<std::string>> rows;
    for (const SkinsTotal& t : skinstotals(night))
        rows.push_back({nighttext(night.date), t.player, std::to_string(t.skins), money(t.cents)});
    return rows;
}

} // namespace greenfold
