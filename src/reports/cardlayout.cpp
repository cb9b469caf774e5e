#include "reports/cardlayout.h"

#include "model/textline.h"
#include "reports/printsteps.h"
#include "whs/roundfigures.h"

#include <algorithm>
#include <cmath>

namespace greenfold {

namespace {

// Where each element of a card stands on the card in slot 1, in fractions of the
// printable width and (scaled) height, and its font size.
struct CardText {
    double x;
    double y;
    float size;
};
constexpr double textcolumn = 0.11;
constexpr CardText nameplace{textcolumn, 0.055, 12};
constexpr CardText indexplace{textcolumn, 0.085, 10};
constexpr CardText coursehcpplace{textcolumn, 0.11, 10};
constexpr std::array<CardText, 4> rowplaces{{{textcolumn, 0.142, 9},
                                             {textcolumn, 0.152, 9},
                                             {textcolumn, 0.162, 9},
                                             {textcolumn, 0.172, 9}}};
constexpr CardText noteplace{textcolumn, 0.19, 9};

constexpr double logox = 0.39, logoy = 0.06, logow = 0.07, logoh = 0.077;

// Rows of cards: slots 3-4, 5-6, 7-8 and 9-10 lie this much further down.
constexpr std::array<double, 5> rowdrop{0, 0.194, 0.388, 0.582, 0.774};
constexpr double rightcolumn = 0.42;

int roundsof(const ProgramState& g, int p) {
    return std::clamp<int>(g.roundcount[p], 0, maxrounds);
}

std::string scoreentry(const ProgramState& g, int p, int r) {
    std::string initials = coursefield(g, g.roundcourse[p][r], courseline_initials);
    if (initials.empty()) initials = " -  ";
    const int total = g.holescore[p][r][19] + g.holescore[p][r][20];
    return initials + filler(initials, 4) + generalformat(double(total)) + " " +
           (total < 100 ? " " : "");
}

void placetext(PrintSurface& s, const ProgramState& g, int slot, const CardText& at,
               const std::string& text) {
    // The blank line of resetprintfont goes at the top of the page, where it can never
    // push the lower cards of a sheet over the page's end.
    s.setposition(0, 0);
    resetprintfont(s, reportfontname(g));
    s.setfontname(reportfontname(g));
    s.setfontsize(at.size);
    const double w = s.pagewidth(), h = s.pageheight();
    double x = at.x * w, y = at.y * h * g.pscaling;
    AdjustPosition(g, slot, w, h, x, y);
    s.setposition(x, y);
    // Placed text, not a list line: a card low on the sheet must never start a page of
    // its own; only the break after the tenth card does.
    s.printtext(text);
}

// A figure of the player's newest round, slot r; none without rounds, and under the WHS
// method none when he had no index yet, where a plus figure carries its "+".
std::string cardfigure(const ProgramState& g, int p, int r, float value,
                       std::string (*whsfigure)(float)) {
    if (r == 0) return {};
    if (g.method != HandicapMethod::whs) return generalformat(value);
    return whs::noindexyet(g, p, r) ? std::string() : whsfigure(value);
}

} // namespace

Message cardsquestion() {
    return {"Ready to print handicap cards?\r\n\r\n"
            "Note: With some printers it may work\r\n"
            "best to select 10 players at a time and\r\n"
            "print each sheet of 10 cards individually.",
            "Greenfold", Icon::none};
}

Message noplayersselected() {
    return {"No Players selected, cannot continue.", "Greenfold", Icon::exclamation};
}

float cardscaling(std::string_view text, float current) {
    const double value = leadingnumber(text);
    if (!(value > 0) || !std::isfinite(float(value))) return current;
    return float(value);
}

std::string cardcountlabel(int count) {
    return "Cards to Print : " + std::string(count >= 0 ? " " : "") + std::to_string(count);
}

std::vector<int> selectcards(const ProgramState& g, const std::vector<int>& lines) {
    const int players = std::clamp<int>(g.playercount, 0, maxplayers);
    std::vector<int> chosen;
    for (int line : lines)
        if (line >= 0 && line < players) chosen.push_back(line + 1);
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    return chosen;
}

std::array<std::string, 4> scorerows(const ProgramState& g, int p) {
    std::array<std::string, 4> rows;
    const int rounds = roundsof(g, p);
    for (int r = 1; r <= 4; ++r)
        for (int k = r; k <= rounds; k += 4) rows[r - 1] += scoreentry(g, p, k);
    return rows;
}

std::string cardindexline(const ProgramState& g, int p) {
    const int last = roundsof(g, p);
    return "  Hcp Index: " + cardfigure(g, p, last, g.hcpindex[p][last], whs::indexfigure);
}

std::string cardcoursehcpline(const ProgramState& g, int p) {
    const int last = roundsof(g, p);
    if (last == 0) return " CHCP: ";
    return coursefield(g, g.roundcourse[p][last], courseline_initials) +
           " CHCP: " + cardfigure(g, p, last, g.coursehcp[p][last], whs::handicapfigure);
}

void AdjustPosition(const ProgramState& g, int slot, double w, double h, double& x, double& y) {
    if (slot % 2 == 0) x += rightcolumn * w;
    const int row = std::clamp((slot - 1) / 2, 0, 4);
    y += rowdrop[row] * h * g.pscaling;
    y += g.hoffset;
    x += g.wdoffset;
}

void PrintCards(PrintSurface& s, const ProgramState& g, int p, int slot, const std::string& note,
                const PrintPicture& logo) {
    const double w = s.pagewidth(), h = s.pageheight();
    double x = logox * w, y = logoy * h * g.pscaling;
    AdjustPosition(g, slot, w, h, x, y);
    s.drawpicture(logo, x, y, logow * w, logoh * h * g.pscaling);

    placetext(s, g, slot, nameplace, g.playername[p]);
    placetext(s, g, slot, indexplace, cardindexline(g, p));
    placetext(s, g, slot, coursehcpplace, cardcoursehcpline(g, p));
    const auto rows = scorerows(g, p);
    for (int r = 0; r < 4; ++r) placetext(s, g, slot, rowplaces[r], rows[r]);
    placetext(s, g, slot, noteplace, note);
}

int printcardjob(PrintSurface& s, const ProgramState& g, const std::vector<int>& players,
                 const std::string& note, const PrintPicture& logo) {
    s.setorientation(orientation_portrait);
    const int toprint = int(players.size());
    int slot = 0, printed = 0;
    for (int p : players) {
        slot = slot % cardsperpage + 1;
        ++printed;
        PrintCards(s, g, p, slot, note, logo);
        if (slot == cardsperpage && printed < toprint) s.newpage();
    }
    s.enddocument();
    return printed;
}

} // namespace greenfold
