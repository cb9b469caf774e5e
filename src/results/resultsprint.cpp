#include "results/resultsprint.h"

#include "reports/printsteps.h"

namespace greenfold {

namespace {

constexpr float printsize = 10;
constexpr int headerwidth = 50;
constexpr int pagelines = 58; // lines of 10 points a portrait page holds below its margin

} // namespace

std::string resultsheader(const ProgramState& g, const std::string& date) {
    return reportheader(g.leaguefile, headerwidth, date);
}

bool printresults(PrintSurface& s, const ProgramState& g, const std::vector<std::string>& lines,
                  const std::string& date) {
    startlist(s, g, orientation_portrait, printsize, headerwidth, date);
    int counted = 6;
    for (const std::string& line : lines) {
        // A flight's heading is never left alone at the foot of a page.
        if (++counted > pagelines || (line.empty() && counted > pagelines - 4)) {
            s.newpage();
            startpage(s, g, printsize);
            counted = 1;
            if (line.empty()) continue;
        }
        s.printline(line);
    }
    return s.enddocument();
}

} // namespace greenfold
