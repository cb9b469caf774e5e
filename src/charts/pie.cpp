#include "charts/pie.h"

#include "charts/chartplayer.h"
#include "model/textline.h"

#include <cmath>

namespace greenfold {

namespace {

constexpr float pi = 3.141593f;
constexpr float twopi = 6.283186f;

double holepar(const ProgramState& g, int course, int hole) {
    return leadingnumber(coursefield(g, course, courseline_par0 + hole));
}

void countround(const ProgramState& g, int p, int r, ScoreCount& count) {
    const int course = g.roundcourse[p][r];
    for (int h = 1; h <= 18; ++h) {
        const int s = g.holescore[p][r][h];
        if (s == 0) continue;
        const double par = holepar(g, course, h);
        ++count.scores;
        count.parsum += par;
        count.scoresum += s;
        ++count.classes[std::size_t(classify(s, par))];
    }
}

std::string average(double sum, int n) {
    return formatpattern(sum / n, "0.0");
}

} // namespace

const std::string& classname(ScoreClass c) {
    static const std::array<std::string, scoreclasses> names{"Eagles", "Birdies",       "Pars",
                                                             "Bogies", "Double Bogies", "Other"};
    return names[std::size_t(c)];
}

ScoreClass classify(int score, double par) {
    const double over = score - par;
    if (over == 0) return ScoreClass::pars;
    if (over == -2) return ScoreClass::eagles;
    if (over == -1) return ScoreClass::birdies;
    if (over == 1) return ScoreClass::bogies;
    if (over == 2) return ScoreClass::doublebogies;
    return ScoreClass::other;
}

ScoreCount countscores(const ProgramState& g, int p) {
    ScoreCount count;
    for (int r = keptrounds(g, p); r >= 1; --r) countround(g, p, r, count);
    return count;
}

float normalangle(float a) {
    if (a >= twopi)
        a -= twopi;
    else if (a < 0)
        a += twopi;
    return a <= 0.001f ? 0.001f : a;
}

std::vector<Slice> pieslices(const ScoreCount& count) {
    std::vector<Slice> slices;
    int total = 0;
    for (int n : count.classes) total += n;
    float end = 0;
    for (int k = 0; k < scoreclasses; ++k) {
        const int n = count.classes[std::size_t(k)];
        if (n == 0) continue;
        Slice s;
        s.name = classname(ScoreClass(k));
        s.count = n;
        const float share = float(n) / float(total);
        s.label = s.name + " " + formatpattern(share * 100.0f, "##0.0");
        s.colour = int(slices.size()) + 9;
        const float sweep = share * twopi;
        const bool first = slices.empty();
        s.start = normalangle(first ? pi / 2 - sweep / 2 : end);
        s.end = normalangle(first ? pi / 2 + sweep / 2 : s.start + sweep);
        end = s.end;
        slices.push_back(s);
    }
    return slices;
}

void drawpie(Canvas& c, const std::vector<Slice>& slices) {
    c.clear();
    c.setpencolour(0);
    c.setpenwidth(1);
    c.setpenstyle(PenStyle::solid);
    const double w = c.width(), h = c.height();
    for (const auto& s : slices) c.wedge(w / 4.5, h / 2, w / 5, s.start, s.end, s.colour);
    drawlegend(c, slices);
}

void drawlegend(Canvas& c, const std::vector<Slice>& slices) {
    if (slices.empty()) return;
    const double w = c.width(), h = c.height();
    const double th = std::floor(c.textheight(slices[0].label, legendpoints));
    double y = h / 2 - (th * 1.5 * double(slices.size())) / 2;
    for (const auto& s : slices) {
        c.box(w / 2, y, w / 2 + w / 16, y + th, s.colour);
        c.text(w / 2 + w / 14, y, s.label + "%", legendpoints);
        y += 1.5 * th;
    }
}

PieTexts pietexts(const ProgramState& g, int p, const ScoreCount& count) {
    PieTexts t;
    if (chartedplayer(g, p)) t.name = g.playername[p];
    t.avepar = "Avg. Par per hole =";
    t.avehole = "Avg. Score per hole =";
    if (count.scores > 0) {
        t.avepar = "avg. par per hole = " + average(count.parsum, count.scores);
        t.avehole = "avg. score per hole = " + average(count.scoresum, count.scores);
    }
    t.totalholes = "# of scores recorded = " + generalformat(double(count.scores));
    return t;
}

} // namespace greenfold
