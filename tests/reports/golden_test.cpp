// Each NAME.case in tests/data/printouts builds a league and prints one report or chart,
// dated (and the cards noted) 05-14-2004; NAME.golden beside it is the printout as text.
// GREENFOLD_WRITE_GOLDEN=1 writes the golden files anew, so a change shows as their diff.
#include "charts/chartprint.h"
#include "charts/compare.h"
#include "reportleague.h"
#include "reports/cardlayout.h"
#include "reports/chcpchart.h"
#include "reports/handicaplists.h"
#include "support/printdump.h"
#include "support/testfiles.h"
#include "teams/teamreport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const fs::path folder = fs::path(GREENFOLD_TEST_DATA) / "printouts";
const std::string date = "05-14-2004";

std::string rest(std::istream& in) {
    std::string s;
    std::getline(in >> std::ws, s);
    return s;
}

struct Case {
    std::unique_ptr<ProgramState> g = reportleague(0, 0);
    std::unique_ptr<Teamdata> t = std::make_unique<Teamdata>();
    Teamreportoptions options;
    std::vector<int> lines; // list lines chosen for the cards
    std::string report;
    int tee = 0;

    // One line of the case file; "repeat N ..." reads the rest N times, # standing for 1..N.
    void read(const std::string& line) {
        std::istringstream in(line);
        std::string key, word;
        int a = 0, b = 0;
        in >> key;
        if (key == "repeat") {
            in >> a;
            const std::string text = rest(in);
            for (int i = 1; i <= a; ++i) {
                std::string one = text;
                for (auto at = one.find('#'); at != one.npos; at = one.find('#'))
                    one.replace(at, 1, std::to_string(i));
                read(one);
            }
        } else if (key == "league") { // players and rounds, see reportleague.h
            in >> a >> b;
            g = reportleague(a, b);
        } else if (key == "differential" || key == "index" || key == "chcp") {
            auto& table = key == "index"  ? g->hcpindex
                          : key == "chcp" ? g->coursehcp
                                          : g->differential;
            in >> a >> b >> table[a][b]; // player, round, value
        } else if (key == "method") {    // whs or classic
            g->method = rest(in) == "whs" ? HandicapMethod::whs : HandicapMethod::classic;
        } else if (key == "issued") { // player, then year, month, day and tenths of the index
            IssuedIndex i;
            in >> a >> i.year >> i.month >> i.day >> i.tenths;
            g->history[a].issued.push_back(i);
        } else if (key == "par") { // of every hole of course 1
            in >> a;
            for (int h = 1; h <= 18; ++h) g->coursedata[1][courseline_par0 + h] = std::to_string(a);
        } else if (key == "holes") { // round r of player 1, hole by hole
            in >> b;
            g->roundcount[1] = std::max<int16_t>(g->roundcount[1], int16_t(b));
            g->roundcourse[1][b] = 1;
            g->holescore[1][b] = {};
            for (int h = 1; in >> a; ++h) g->holescore[1][b][h] = int16_t(a);
        } else if (key == "name") { // player and name
            in >> a;
            g->playername[a] = rest(in);
        } else if (key == "rounds") { // player and count
            in >> a >> g->roundcount[a];
        } else if (key == "slope") { // a tee of course 1
            in >> a;
            g->coursedata[1][courseline_slope0 + a] = " " + rest(in);
        } else if (key == "pscaling" || key == "hoffset" || key == "wdoffset") {
            in >> (key == "pscaling" ? g->pscaling : key == "hoffset" ? g->hoffset : g->wdoffset);
        } else if (key == "printfont") {
            g->printfont = rest(in);
        } else if (key == "select") {
            while (in >> a) lines.push_back(a);
        } else if (key == "team") {
            t->teamname[++t->teamcount] = rest(in);
        } else if (key == "record") { // kept number, points and text, for the last team
            const int e = ++t->eventcount[t->teamcount];
            in >> t->eventmanual[t->teamcount][e] >> t->eventpoints[t->teamcount][e];
            t->eventtext[t->teamcount][e] = rest(in);
        } else if (key == "player") { // team and name
            in >> g->playerteam[++g->playercount];
            g->playername[g->playercount] = rest(in);
        } else if (key == "options") {
            while (in >> word) (word == "names" ? options.names : options.lastonly) = true;
        } else if (key == "report") {
            in >> report >> tee;
        } else if (!key.empty() && key[0] != '#') {
            ADD_FAILURE() << "unknown line " << line;
        }
    }

    std::string print() const {
        if (report == "graph" || report == "pie") {
            const bool graph = report == "graph";
            RecordingCanvas c(graph ? graphwidth : piewidth, graph ? graphheight : pieheight);
            const ScoreCount count = countscores(*g, 1);
            const GraphTexts gt = graphtexts(*g, 1);
            const PieTexts pt = pietexts(*g, 1, count);
            graph ? drawgraph(c, *g, 1) : drawpie(c, pieslices(count));
            std::string s = dump(c);
            for (const auto& text :
                 graph ? std::vector{gt.name, gt.currentindex, gt.roundsplayed}
                       : std::vector{pt.name, pt.avepar, pt.avehole, pt.totalholes})
                s += "panel |" + text + "|\n";
            return s;
        }
        // Every report sets its own orientation, whatever the one before left.
        RecordingSurface s;
        s.setorientation(orientation_landscape);
        const PrintPicture logo{cardlogo, {}}, chart{"chart", "png"};
        if (report == "longlist") printlongreport(s, *g, recentlines(*g), date);
        if (report == "shortlist") printshortreport(s, *g, recentlines(*g), date);
        if (report == "cards") printcardjob(s, *g, selectcards(*g, lines), date, logo);
        if (report == "chart") PrintChcpChart(s, *g, 1, tee);
        if (report == "teams") printteamreport(s, *g, *t, options, date);
        if (report == "graphprint") printgraph(s, *g, graphtexts(*g, 1), chart, date);
        if (report == "pieprint") printpie(s, *g, pietexts(*g, 1, countscores(*g, 1)), chart, date);
        if (report == "compare") printcomparison(s, *g, comparelines(*g), date);
        return dump(s.printout());
    }
};

} // namespace

TEST(Golden, everyCasePrintsAsItsGoldenFile) {
    std::vector<fs::path> files;
    for (const auto& f : fs::directory_iterator(folder))
        if (f.path().extension() == ".case") files.push_back(f.path());
    ASSERT_FALSE(files.empty());
    for (const fs::path& file : files) {
        Case c;
        std::istringstream in(readbytes(file));
        for (std::string line; std::getline(in, line);) c.read(line);
        const std::string printed = c.print();
        const fs::path golden = fs::path(file).replace_extension(".golden");
        if (std::getenv("GREENFOLD_WRITE_GOLDEN")) writebytes(golden, printed);
        EXPECT_EQ(printed, readbytes(golden)) << file.filename();
    }
}
