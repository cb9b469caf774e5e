#include "publish/webpage.h"

#include "model/safefile.h"
#include "results/night.h"
#include "results/resultstext.h"
#include "results/seasons.h"
#include "results/standings.h"
#include "whs/decimal.h"

#include <vector>

namespace greenfold {

namespace {

// Narrow screens drop the columns marked wide, paper drops the colours. Kept inside the
// page so it reads the same mailed, put on a server or opened from a stick.
constexpr const char* style = R"(body{font-family:system-ui,sans-serif;color:#111;background:#fff;
max-width:48em;margin:0 auto;padding:0 .8em}
h1{font-size:1.5em;margin:.6em 0 .2em}
h2{font-size:1.2em;margin:1.4em 0 .3em;border-bottom:2px solid #2e6b30}
h3{font-size:1em;margin:1em 0 .3em}
p{margin:.3em 0}
table{border-collapse:collapse;width:100%;margin:.3em 0 .8em}
th,td{padding:.25em .4em;text-align:right;border-bottom:1px solid #ccc}
th{background:#e6efe6}
th.title{background:none;text-align:left;font-size:1.05em;padding:.8em 0 .3em;border-bottom:none}
.name{text-align:left}
footer{margin:2em 0 1em;font-size:.85em;color:#555}
@media (max-width:32em){body{padding:0 .3em;font-size:.95em}th,td{padding:.2em}.wide{display:none}}
@media print{body{max-width:none;padding:0;font-size:10pt}th{background:none}
h2,h3{break-after:avoid}tr{break-inside:avoid}footer{color:#000}}
)";

struct Column {
    const char* heading;
    const char* cls = nullptr; // "name" or "wide"
};

std::string cell(const char* tag, const Column& c, const std::string& text) {
    std::string open = std::string("<") + tag;
    if (c.cls) open += std::string(" class=\"") + c.cls + "\"";
    if (std::string_view(tag) == "th") open += " scope=\"col\"";
    return open + ">" + htmltext(text) + "</" + tag + ">";
}

// A table with its title (a flight's, a game's) as the first row of its head: a browser
// prints the head again at the top of every page the table runs onto, so no page starts
// with rows of a table it does not name.
std::string table(const std::string& title, const std::vector<Column>& columns,
                  const std::vector<std::vector<std::string>>& rows) {
    std::string out = "<table>\n<thead>";
    if (!title.empty())
        out += "<tr><th class=\"title\" colspan=\"" + std::to_string(columns.size()) +
               "\" scope=\"colgroup\">" + htmltext(title) + "</th></tr>";
    out += "<tr>";
    for (const Column& c : columns) out += cell("th", c, c.heading);
    out += "</tr></thead>\n<tbody>\n";
    for (const auto& row : rows) {
        out += "<tr>";
        for (std::size_t k = 0; k < columns.size() && k < row.size(); ++k)
            out += cell("td", columns[k], row[k]);
        out += "</tr>\n";
    }
    return out + "</tbody>\n</table>\n";
}

std::string heading(int level, const std::string& text) {
    const std::string h = "h" + std::to_string(level);
    return "<" + h + ">" + htmltext(text) + "</" + h + ">\n";
}

std::string paragraph(const std::string& text) {
    return "<p>" + htmltext(text) + "</p>\n";
}

std::string flighttitle(const std::string& flight) {
    return flight.empty() ? "" : "Flight " + flight;
}

std::string place(int p) {
    return p > 0 ? std::to_string(p) : "";
}

std::string standingssection(const ResultsFile& f) {
    const int nights = int(seasonnights(f).size());
    const int best = f.settings.bestnights;
    std::string out = "<section>\n" + heading(2, "Season standings") +
                      paragraph(std::to_string(nights) + (nights == 1 ? " night" : " nights") +
                                (best > 0 ? ", the best " + std::to_string(best) + " count."
                                          : ", all of them count."));
    for (const FlightStandings& fs : standings(f)) {
        std::vector<std::vector<std::string>> rows;
        for (const StandingRow& r : fs.rows)
            rows.push_back({std::to_string(r.place), r.name, std::to_string(r.nights),
                            pointstext(r.points), r.averagenet ? averagetext(*r.averagenet) : ""});
        out += table(flighttitle(fs.flight),
                     {{"Place"}, {"Player", "name"}, {"Nights"}, {"Points"}, {"Avg net", "wide"}},
                     rows);
    }
    return out + "</section>\n";
}

std::string nightsection(const NightResults& night) {
    std::string out = "<section>\n" + heading(2, "Night of " + nighttext(night.date)) +
                      paragraph(night.scoring == Scoring::net ? "Points on net scores."
                                                              : "Points on gross scores.");
    for (const FlightNight& fn : night.flights) {
        std::vector<std::vector<std::string>> rows;
        for (const NightRow& r : fn.rows)
            rows.push_back({place(r.place), r.name, std::to_string(r.gross), place(r.grossplace),
                            r.hcp ? whs::handicaptext(*r.hcp) : "no hcp",
                            r.net ? std::to_string(*r.net) : "", place(r.netplace),
                            pointstext(r.points)});
        out += table(flighttitle(fn.flight),
                     {{"Place"},
                      {"Player", "name"},
                      {"Gross"},
                      {"G.Pl", "wide"},
                      {"Hcp"},
                      {"Net"},
                      {"N.Pl", "wide"},
                      {"Points"}},
                     rows);
    }
    return out + "</section>\n";
}

std::string money(long long cents) {
    const std::string c = std::to_string(cents % 100);
    return std::to_string(cents / 100) + "." + (c.size() < 2 ? "0" : "") + c;
}

std::string gametitle(const SkinsGame& game) {
    const bool gross = game.kind == SkinKind::gross;
    if (game.flight.empty()) return gross ? "Gross skins" : "Net skins";
    return "Flight " + game.flight + (gross ? ", gross skins" : ", net skins");
}

// A game's wins under its title, then what its pot came to; a game without a skin won has
// no table, only its title and its pot.
std::string gamesection(const SkinsGame& game) {
    std::string pot = std::to_string(game.players) + (game.players == 1 ? " player" : " players");
    if (game.potcents > 0) pot += ", a pot of " + money(game.potcents);
    if (!game.paidout()) return heading(3, gametitle(game)) + paragraph(pot + "; no skin was won.");
    if (game.potcents > 0)
        pot += "; each skin pays " + money(game.skincents) + ", " + money(game.remaindercents) +
               " left over";
    if (game.carriedpast > 0)
        pot += "; " + std::to_string(game.carriedpast) + " carried past the last hole " +
               (game.split ? "and split" : "and lost");
    std::vector<std::vector<std::string>> rows;
    for (const SkinWin& w : game.wins)
        rows.push_back({w.hole > 0 ? std::to_string(w.hole) : "split", w.player,
                        w.hole > 0 ? std::to_string(w.score) : "", std::to_string(w.carried),
                        money(w.cents)});
    return table(gametitle(game),
                 {{"Hole"}, {"Player", "name"}, {"Score"}, {"Carried", "wide"}, {"Payout"}}, rows) +
           paragraph(pot + ".");
}

// What to pay each player over all the night's games.
std::string totalssection(const NightSkins& skins) {
    std::vector<std::vector<std::string>> rows;
    long long paid = 0;
    for (const SkinsTotal& t : skinstotals(skins)) {
        rows.push_back({t.player, std::to_string(t.skins), money(t.cents)});
        paid += t.cents;
    }
    if (rows.empty()) return "";
    return table("Payout by player, all games", {{"Player", "name"}, {"Skins"}, {"Payout"}}, rows) +
           paragraph("Paid out " + money(paid) + ".");
}

std::string skinssection(const NightSkins& skins) {
    if (skins.settings.mode == SkinsMode::off) return "";
    std::string out = "<section>\n" + heading(2, "Skins, night of " + nighttext(skins.date));
    if (!skins.nonet.empty()) out += paragraph(skins.nonet);
    if (skins.games.empty() && skins.nonet.empty())
        out += paragraph("No skins were played: no round of the night has hole scores.");
    for (const SkinsGame& game : skins.games) out += gamesection(game);
    return out + totalssection(skins) + "</section>\n";
}

} // namespace

std::string htmltext(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            if ((unsigned char)c >= 0x20 && c != 0x7f) out += c;
        }
    }
    return out;
}

std::string webpage(const std::string& league, const ResultsFile& f, const NightSkins& skins,
                    const std::string& written, const std::string& more) {
    std::string out = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                      "<title>" +
                      htmltext(league + " standings") + "</title>\n<style>\n" + style +
                      "</style>\n</head>\n<body>\n<header>\n" + heading(1, league) +
                      paragraph("Season standings, written " + written + ".") +
                      "</header>\n<main>\n";
    const std::vector<NightDate> nights = seasonnights(f);
    if (nights.empty())
        out += paragraph(nonighttext(f));
    else
        out += standingssection(f) + nightsection(nightresults(f, nights.front())) +
               skinssection(skins);
    out += more;
    return out + "</main>\n<footer>\n" + paragraph("Written " + written + " by Greenfold.") +
           "</footer>\n</body>\n</html>\n";
}

NightSkins newestskins(const ProgramState& g, const ResultsFile& f) {
    const std::vector<NightDate> nights = seasonnights(f);
    if (nights.empty()) return {};
    return nightskins(f, g, nights.front());
}

Outcome savewebpage(const fs::path& file, const std::string& bytes) {
    if (atomicwrite(file, bytes)) return {};
    return Outcome::failure({"The web page could not be written to " + file.string() +
                                 ". A page that was there before is as it was.",
                             "Save as Web Page", Icon::exclamation});
}

} // namespace greenfold
