#include "teams/teamreport.h"

#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;

namespace {

using Lines = std::vector<std::string>;

const std::string date = "05-14-2004";
const std::string header = std::string(49, ' ') + "Greenfold   05-14-2004";
const std::string rule = "    " + std::string(80, '-');
const std::string footrule = std::string(60, ' ') + std::string(14, '-');
const std::string totalat = std::string(53, ' ') + "Total: ";

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

struct League {
    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
    std::unique_ptr<Teamdata> t = std::make_unique<Teamdata>();

    int team(const std::string& name) {
        t->teamname[++t->teamcount] = name;
        return t->teamcount;
    }
    void record(int team, const std::string& text, float manual, float points) {
        const int e = ++t->eventcount[team];
        t->eventtext[team][e] = text;
        t->eventmanual[team][e] = manual;
        t->eventpoints[team][e] = points;
    }
    // Teams of n records named "<team> record <e>", kept numbers e and 1 point each.
    void teams(int count, int records) {
        for (int k = 1; k <= count; ++k) {
            const int n = team("T" + std::to_string(k));
            for (int e = 1; e <= records; ++e)
                record(n, "T" + std::to_string(k) + " record " + std::to_string(e), float(e), 1);
        }
    }
    void player(const std::string& name, int team) {
        const int p = ++g->playercount;
        g->playername[p] = name;
        g->playerteam[p] = int16_t(team);
    }
    Printout print(Teamreportoptions options = {}) const {
        Printout out;
        RecordingSurface s(out);
        EXPECT_TRUE(printteamreport(s, *g, *t, options, date));
        EXPECT_EQ(out.overflows, 0) << "a line ran off the page";
        return out;
    }
};

Lines withprefix(const Lines& lines, const std::string& prefix) {
    Lines out;
    for (const auto& l : lines)
        if (l.starts_with(prefix)) out.push_back(l);
    return out;
}

} // namespace

TEST(TeamReport, oneTeamNoOptions_headerHeadingRecordsAndFooterOnOnePage) {
    League l;
    l.player("Ann Baker", 1); // not listed without the names option
    const int eagles = l.team("Eagles");
    l.record(eagles, "Week 1", 12, 3.5f);
    l.record(eagles, "Week 2 at Elm Ridge", 20, 4);
    l.record(eagles, "Playoff", 1000, 10.5f);
    const Printout out = l.print();

    Lines expected(5, " ");
    expected.insert(expected.end(),
                    {header, "", " ", rule, "    Team: Eagles", " ",
                     "    Week 1" + spaces(50) + "  12.0" + "   " + "   3.5",
                     "    Week 2 at Elm Ridge" + spaces(37) + "  20.0" + "   " + "   4.0",
                     "    Playoff" + spaces(49) + "1000.0" + "   " + "  10.5", footrule,
                     totalat + "1000.0" + " " + "  " + "  " + "18.0", " "});
    EXPECT_EQ(out.lines(1), expected);
    EXPECT_EQ(out.pages, 1);
    EXPECT_EQ(out.documents, 1);
    EXPECT_EQ(out.orientation, orientation_portrait);
    // After the font reset's blank line every text is the print font at 10 points, bold.
    for (std::size_t i = 1; i < out.texts.size(); ++i) {
        EXPECT_EQ(out.texts[i].font, "Courier New") << i;
        EXPECT_EQ(out.texts[i].size, 10.0f) << i;
        EXPECT_TRUE(out.texts[i].bold) << i;
    }
}

TEST(TeamReport, pageBreaks_afterTheRecordThatBringsTheCounterTo53AndBeforeALowHeading) {
    // Team 1 ends at line 33; team 2's heading brings the counter to 37, its records go
    // on from there and record 16 reaches 53.
    League l;
    l.teams(3, 20);
    const Printout out = l.print();
    ASSERT_EQ(out.pages, 2);
    const Lines one = out.lines(1), two = out.lines(2);
    EXPECT_TRUE(one.back().starts_with("    T2 record 16 ")) << one.back();
    ASSERT_GE(two.size(), 4u);
    EXPECT_EQ(Lines(two.begin(), two.begin() + 3), (Lines{" ", " ", " "}));
    EXPECT_TRUE(two[3].starts_with("    T2 record 17 ")) << two[3];
    EXPECT_EQ(out.texts.back().font, "Courier New"); // set again after the font reset

    // 13 records a team: team 2's footer ends at line 46, past 45, so team 3's heading
    // starts page 2.
    League short13;
    short13.teams(3, 13);
    const Lines next = short13.print().lines(2);
    ASSERT_GE(next.size(), 6u);
    EXPECT_EQ(Lines(next.begin(), next.begin() + 6),
              (Lines{" ", " ", " ", " ", rule, "    Team: T3"}));
}

TEST(TeamReport, lastEventOnly_oneRecordLinePerTeamWhileTheFooterSumsThemAll) {
    League l;
    const int eagles = l.team("Eagles");
    l.record(eagles, "Week 1", 10, 3);
    l.record(eagles, "Week 2", 22, 4.5f);
    l.record(eagles, "Week 3", 31, 2);
    l.team("Hawks"); // no records yet
    const int owls = l.team("Owls");
    l.record(owls, "Week 1", 8, 6);
    const Lines lines = l.print({false, true}).alllines();

    EXPECT_EQ(withprefix(lines, "    Week"),
              (Lines{"    Week 3" + spaces(50) + "  31.0      2.0",
                     "    Week 1" + spaces(50) + "   8.0      6.0"}));
    EXPECT_EQ(withprefix(lines, totalat),
              (Lines{totalat + "  31.0" + "      9.5", totalat + "   0.0" + "      0.0",
                     totalat + "   8.0" + "      6.0"}));
    // Without the option every record is listed.
    EXPECT_EQ(withprefix(l.print().alllines(), "    Week").size(), 4u);
}

TEST(TeamReport, recordText_filledTo60UnlessItIsThatLongAlready) {
    const std::string t55(55, 'x'), t56(56, 'x'), t70(70, 'x');
    EXPECT_EQ(teamentryline(t55, 12, 3.5f), "    " + t55 + " " + "  12.0" + "      3.5");
    EXPECT_EQ(teamentryline(t56, 12, 3.5f), "    " + t56 + "  12.0" + "      3.5");
    EXPECT_EQ(teamentryline(t70, 12, 3.5f), "    " + t70 + "  12.0" + "      3.5");
    // Filled by characters, not bytes.
    EXPECT_EQ(teamentryline("Café", 0, 0), "    Café" + spaces(52) + "   0.0      0.0");
    // Large and negative numbers shift, as the list window shows them.
    EXPECT_EQ(teamentryline("", 12345, -2), spaces(60) + "12345.0" + "      -2.0");
}

TEST(TeamReport, namesOption_linesBreakBefore70CharactersAndCountAgainstThePage) {
    League l;
    const std::string a(20, 'a'), b(20, 'b'), c(20, 'c');
    l.player(a, 1);
    l.player("Nobody's", 0);
    l.player(b, 1);
    l.player(c, 1);
    l.player("Other", 2);
    EXPECT_EQ(teamnamelines(*l.g, 1), (Lines{"    " + a + " , " + b + " , ", "    " + c + " "}));
    EXPECT_EQ(teamnamelines(*l.g, 2), (Lines{"    Other "}));
    EXPECT_EQ(teamnamelines(*l.g, 3), (Lines{"  "}));

    // Two name lines and the blank after them move the page break three records up:
    // 6 + 4 + 3 = 13, and record 40 brings the counter to 53.
    const int eagles = l.team("Eagles");
    for (int e = 1; e <= 45; ++e) l.record(eagles, "Week " + std::to_string(e), 0, 1);
    const Printout out = l.print({true, false});
    const Lines one = out.lines(1);
    EXPECT_EQ(
        Lines(one.begin() + 9, one.begin() + 14),
        (Lines{"    Team: Eagles", " ", "    " + a + " , " + b + " , ", "    " + c + " ", " "}));
    EXPECT_TRUE(one.back().starts_with("    Week 40 ")) << one.back();
    EXPECT_TRUE(out.lines(2)[3].starts_with("    Week 41 "));
}

TEST(TeamReport, largeTeam_everyPlayerListedAndNoLineRunsOffThePage) {
    // 100 players of 40-character names make 100 name lines, more than a page holds.
    League l;
    for (int p = 1; p <= 100; ++p) {
        std::string name = "Player " + std::to_string(p);
        l.player(name + std::string(40 - name.size(), '.'), 1);
    }
    l.team("Everybody");
    for (int e = 1; e <= 20; ++e) l.record(1, "Week " + std::to_string(e), 0, 1);
    const Printout out = l.print({true, false}); // print() checks there is no overflow
    const Lines lines = out.alllines();
    std::string all;
    for (const auto& line : lines) all += line + "|";
    for (int p = 1; p <= 100; ++p) {
        const std::string name = "Player " + std::to_string(p) + ".";
        EXPECT_EQ(all.find(name), all.rfind(name)) << name;
        EXPECT_NE(all.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(out.pages, 3);
    EXPECT_EQ(withprefix(lines, "    Week ").size(), 20u);
    EXPECT_EQ(withprefix(lines, totalat), (Lines{totalat + "   0.0" + "     20.0"}));
}
