#include "reports/chcpchart.h"

#include "model/textline.h"
#include "reports/printsteps.h"

#include <cmath>

namespace greenfold {

namespace {

constexpr float titlesize = 24;
constexpr float teesize = 14;
constexpr float tablesize = 12;
constexpr int rows = 25;
constexpr float columnstep = 12.5f;

float chartslope(const ProgramState& g, int course, int tee) {
    return float(leadingnumber(coursefield(g, course, courseline_slope0 + tee)));
}

std::string chartrow(float first, float slope) {
    ChartLine line;
    for (int column = 0; column < 4; ++column) {
        const float index = first + columnstep * float(column);
        checkY(line, index);
        line.chcptext = chcpcell(chartcoursehcp(index, slope));
        buildline(line);
    }
    return line.linetext;
}

} // namespace

std::string teequestion() {
    return "Print Chart relating to which Tee?\r\n\r\n"
           "Type 1 for Ladies, 2 for Mens or 3 for the Pro tee";
}

TeeReply readteereply(const std::optional<std::string>& reply) {
    if (!reply) return {};
    const double value = leadingnumber(*reply);
    // Read as a whole number the way a typed number always is: halves to even.
    if (std::isnan(value) || value <= 0.5) return {};
    if (value > 3) return {0, true};
    return {int(roundhalfeven(value)), false};
}

long chartcoursehcp(float index, float slope) {
    const float product = index * slope;
    const float c = product / 113.0f;
    return roundhalfeven(c);
}

std::string chcpcell(long coursehcp) {
    return (coursehcp >= 0 && coursehcp < 10 ? " " : "") + generalformat(double(coursehcp));
}

std::string teetext(int tee) {
    switch (tee) {
    case tee_ladies:
        return "Ladies Tee - slope ";
    case tee_mens:
        return "Mens Tee - slope ";
    default:
        return "Pro tee - slope ";
    }
}

std::string chartheading() {
    return "     Hcp Index  CHcp    Hcp Index  CHcp    Hcp Index  CHcp   Hcp Index   CHcp";
}

void PrintChcpChart(PrintSurface& s, const ProgramState& g, int course, int tee) {
    const float slope = chartslope(g, course, tee);
    s.setorientation(orientation_portrait);
    startpage(s, g, titlesize);
    for (int i = 0; i < 3; ++i) s.printline(" ");
    s.printline(coursefield(g, course, courseline_name) + "   ");
    s.printline(" ");

    setreportfont(s, g, teesize);
    s.printline(std::string(5, ' ') + teetext(tee) + generalformat(slope));
    s.printline(" ");
    s.printline(" ");

    setreportfont(s, g, tablesize);
    s.printline(chartheading());
    for (int r = 0; r < rows; ++r) s.printline(chartrow(-5.0f + 0.5f * float(r), slope));

    for (int i = 0; i < 4; ++i) s.printline(" ");
    s.printline("    Use your Hcp index to find the course handicap.");
    s.enddocument();
}

} // namespace greenfold
