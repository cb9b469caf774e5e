#include "results/resultsprint.h"

#include "reports/printsteps.h"
#include "results/resultstext.h"
#include "results/skinstext.h"

namespace greenfold {

namespace {

constexpr float printsize = 10;
constexpr int headerwidth = 50;
constexpr int pagelines = 58; // lines of 10 points a portrait page holds below its margin

bool columnheading(const std::string& line) {
    for (const char* heading : {nightcolumns, standingscolumns, skinscolumns, totalscolumns})
        if (line == heading) return true;
    return false;
}

} // namespace

std::vector<std::string> continuedheading(const std::vector<std::string>& lines, std::size_t at) {
    std::vector<std::string> out;
    if (lines.empty() || at == 0 || at >= lines.size()) return out;
    out.push_back(lines.front() + " (continued)");
    if (lines[at].empty()) return out; // a new table starts the page with its own heading
    std::size_t start = at;
    while (start > 0 && !lines[start - 1].empty()) --start;
    if (start == 0) return out; // the lines under the title, before any table
    out.push_back("");
    for (std::size_t k = start; k < at; ++k) {
        out.push_back(lines[k]);
        if (columnheading(lines[k])) break;
    }
    return out;
}

std::string resultsheader(const ProgramState& g, const std::string& date) {
    return reportheader(g.leaguefile, headerwidth, date);
}

bool printresults(PrintSurface& s, const ProgramState& g, const std::vector<std::string>& lines,
                  const std::string& date) {
    startlist(s, g, orientation_portrait, printsize, headerwidth, date);
    int counted = 6;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& line = lines[k];
        // A flight's heading is never left alone at the foot of a page.
        if (++counted > pagelines || (line.empty() && counted > pagelines - 4)) {
            s.newpage();
            startpage(s, g, printsize);
            for (int i = 0; i < 4; ++i) s.printline(" ");
            s.printline(resultsheader(g, date));
            s.printline("");
            const std::vector<std::string> heading = continuedheading(lines, k);
            for (const std::string& h : heading) s.printline(h);
            counted = 7 + int(heading.size());
        }
        s.printline(line);
    }
    return s.enddocument();
}

} // namespace greenfold
