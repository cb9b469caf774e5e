#include "charts/graph.h"

#include "charts/chartplayer.h"
#include "model/textline.h"
#include "whs/roundfigures.h"

namespace greenfold {

namespace {

constexpr double axisleft = 660;
constexpr double axistop = 150;
constexpr double axisbottom = 3720;
constexpr double axisright = 8800;

std::string number(int v) {
    return generalformat(double(v));
}

// Value labels stand with their right edges in line: the one- and two-character ones
// move right.
double labelx(int v) {
    if (v == 0 || v == 5) return 340 + 90;
    if (v == -5) return 340 + 40;
    return 340;
}

void drawlabels(Canvas& c) {
    for (int v = -5; v <= 40; v += 5) c.text(labelx(v), 2910 - 70.0 * v, number(v));
    for (int v = 20; v >= 1; --v) c.text(600 + 380.0 * v + (v < 10 ? 45 : 0), 3800, number(v));
}

std::vector<float> series(const RoundTable<float>& table, const ProgramState& g, int p) {
    std::vector<float> values;
    for (int j = 1; j <= keptrounds(g, p); ++j) values.push_back(table[p][j]);
    return values;
}

void drawnotes(Canvas& c) {
    const double w = c.width(), h = c.height();
    c.setpencolour(0);
    c.text(0.12 * w, 0.94 * h, "<--  Earlier Rounds         More recent Rounds  -->", 6);
    const std::string word = "HANDICAP";
    for (std::size_t i = 1; i <= word.size(); ++i)
        c.text(0.013 * w, 0.2 * h + 200.0 * double(i), word.substr(i - 1, 1), 9);
}

} // namespace

double graphx(int j) {
    return 700 + 380.0 * j;
}

double graphy(double v) {
    return 3000 - 70 * v;
}

void drawgrid(Canvas& c) {
    c.setpencolour(0);
    c.setpenwidth(2);
    c.line(axisleft, axistop, axisleft, axisbottom);
    c.line(axisleft, axisbottom, axisright, axisbottom);
    drawlabels(c);
    c.setpenwidth(1);
    c.setpenstyle(PenStyle::dotted);
    for (int v = 5; v <= 50; v += 5) c.line(670, 3700 - 70.0 * v, axisright, 3700 - 70.0 * v);
    c.setpenstyle(PenStyle::solid);
}

void drawseries(Canvas& c, const std::vector<float>& values, int colour) {
    c.setpencolour(colour);
    c.setpenwidth(2);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double x = graphx(int(i) + 1), y = graphy(values[i]);
        if (i == 0) c.move(x, y);
        c.lineto(x, y);
    }
}

void drawgraph(Canvas& c, const ProgramState& g, int p) {
    c.clear();
    drawgrid(c);
    drawseries(c, series(g.differential, g, p), differentialcolour);
    drawseries(c, series(g.hcpindex, g, p), indexcolour);
    drawnotes(c);
}

namespace {

// Under the WHS method a plus index carries its "+", and a player without an index shows
// none.
std::string indexshown(const ProgramState& g, int p) {
    if (g.method != HandicapMethod::whs) return generalformat(currentindex(g, p));
    const int last = keptrounds(g, p);
    if (last == 0 || whs::noindexyet(g, p, last)) return "";
    return whs::indexfigure(currentindex(g, p));
}

} // namespace

GraphTexts graphtexts(const ProgramState& g, int p) {
    GraphTexts t;
    if (chartedplayer(g, p)) t.name = g.playername[p];
    t.currentindex = "Current Hcp. Index = " + indexshown(g, p);
    t.roundsplayed = number(keptrounds(g, p)) + " rounds played";
    return t;
}

} // namespace greenfold
