#include "charts/chartprint.h"

#include "reports/printsteps.h"

namespace greenfold {

namespace {

const std::string indent(15, ' ');

// The page starts on another font and then the print font, as every report page does,
// so the panels print in the print font rather than in whatever font the switch left.
void startchart(PrintSurface& s, const ProgramState& g) {
    // Laid out for an upright page, whatever the last printout used.
    s.setorientation(orientation_portrait);
    const std::string font = reportfontname(g);
    resetprintfont(s, font);
    s.setfontname(font);
}

// A short line in a series' colour with its name after it, in black.
void legendentry(PrintSurface& s, double x, int colour, const std::string& name) {
    const double w = s.pagewidth(), h = s.pageheight();
    s.setpen(colour, 8);
    s.drawline(x, h / 1.9, x + w / 50, h / 1.9);
    s.setpen(0, 8);
    s.setfontsize(10);
    s.setposition(x + w / 50, 0.518 * h);
    s.printtext(name);
}

void printdate(PrintSurface& s, const std::string& date) {
    s.setposition(0.85 * s.pagewidth(), 0.9 * s.pageheight());
    s.setfontsize(9);
    s.printline(date);
}

} // namespace

Message chartquestion() {
    return {"Ready to send chart to Printer", "Greenfold", Icon::none};
}

void printgraph(PrintSurface& s, const ProgramState& g, const GraphTexts& texts,
                const PrintPicture& picture, const std::string& date) {
    startchart(s, g);
    const double w = s.pagewidth(), h = s.pageheight();
    s.drawpicture(picture, w / 20, h / 10, w / 1.1, h / 2.5);
    s.setbold(true);
    legendentry(s, 0.2 * w, indexcolour, " Hcp Index");
    legendentry(s, 0.55 * w, differentialcolour, " Hcp Differential");
    s.setposition(0.1 * w, 0.55 * h);
    s.setfontsize(18);
    for (const std::string* panel : {&texts.name, &texts.currentindex, &texts.roundsplayed}) {
        s.printline(" ");
        s.printline(indent + *panel);
    }
    printdate(s, date);
    s.enddocument();
}

void printpie(PrintSurface& s, const ProgramState& g, const PieTexts& texts,
              const PrintPicture& picture, const std::string& date) {
    startchart(s, g);
    const double w = s.pagewidth(), h = s.pageheight();
    s.drawpicture(picture, w / 20, h / 10, w / 1.1, h / 2.4);
    s.setposition(0.1 * w, 0.55 * h);
    s.printline(" ");
    s.setfontsize(18);
    s.printline(indent + texts.name);
    s.printline("  ");
    s.printline(indent + texts.avepar);
    s.printline(" ");
    s.printline(indent + texts.avehole);
    s.printline(" ");
    s.printline(indent + texts.totalholes);
    printdate(s, date);
    s.enddocument();
}

} // namespace greenfold
