#include "reportleague.h"
#include "reports/handicaplists.h"
#include "reports/printsteps.h"
#include "reports/recordingsurface.h"

#include "model/textline.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const std::string date = "05-14-2004";

// The six lines every list starts with, after the blank line of the font reset.
std::vector<std::string> lead(int width) {
    return {" ", " ", " ", " ", " ", reportheader("SPRING.LGE", width, date), ""};
}

std::vector<std::string> tail(const std::vector<std::string>& v, std::size_t from) {
    return {v.begin() + long(from), v.end()};
}

} // namespace

TEST(ListLines, namesFilledTo22LongerOnesWrittenWhole) {
    const std::string round = std::string(94, 'r') + "ABCDEFGHIJKLMNOP" + "tail";
    EXPECT_EQ(longline("Ann", round), "      Ann" + std::string(19, ' ') + round);
    const std::string exact(22, 'N');
    EXPECT_EQ(longline(exact, "R"), "      " + exact + "R");
    EXPECT_EQ(shortline(exact, round),
              "       " + exact + std::string(42, 'r') + "ABCDEFGHIJKLMNOP");
    const std::string longer = "Bartholomew Featherstonehaugh"; // 29 characters
    EXPECT_EQ(shortline(longer, round),
              "       " + longer + std::string(42, 'r') + "ABCDEFGHIJKLMNOP");
    // Names are filled by characters, so an accented name lines up with the others.
    EXPECT_EQ(textwidth(longline("José", "R")), textwidth(longline("Jose", "R")));
}

TEST(Printmenu, needsADataLineInBothLists) {
    ListLines two{{"a", "b"}, {"c", "d"}};
    EXPECT_FALSE(listprintable(two));
    two.names.push_back("e");
    EXPECT_FALSE(listprintable(two)); // the round list is a line short
    two.rounds.push_back("f");
    EXPECT_TRUE(listprintable(two));
}

TEST(ListReports, threeEntries_headerHeadingRuleAndOneLineInTheReportFont) {
    auto g = reportleague(1, 2);
    const ListLines lines = recentlines(*g);
    RecordingSurface landscape, portrait;
    printlongreport(landscape, *g, lines, date);
    printshortreport(portrait, *g, lines, date);
    const std::string heading = longline(lines.names[0], lines.rounds[0]).substr(0, 132) + "rnd";
    EXPECT_TRUE(heading.ends_with("C Hcp # rnd"));
    auto expected = lead(80);
    expected.insert(expected.end(), {heading, longrule(), longline("Player 1", lines.rounds[2])});
    EXPECT_EQ(landscape.printout().alllines(), expected);
    expected = lead(45);
    expected.insert(expected.end(), {shortline(lines.names[0], lines.rounds[0]), shortrule(),
                                     shortline("Player 1", lines.rounds[2])});
    EXPECT_EQ(portrait.printout().alllines(), expected);

    for (const auto* s : {&landscape, &portrait}) {
        const Printout& out = s->printout();
        EXPECT_EQ(out.pages, 1);
        EXPECT_EQ(out.documents, 1);
        const PrintedText& last = out.texts.back();
        EXPECT_EQ(last.font, "Courier New");
        EXPECT_TRUE(last.bold);
        EXPECT_EQ(last.size, s == &landscape ? 9 : 10);
    }
    EXPECT_EQ(landscape.printout().orientation, orientation_landscape);
    EXPECT_EQ(portrait.printout().orientation, orientation_portrait);
}

TEST(LongReport, fullLeague_breaksAfterEntries43And86WithHeadingAndRule) {
    auto g = reportleague(100, 20);
    const ListLines lines = recentlines(*g);
    ASSERT_EQ(lines.names.size(), 102u);
    RecordingSurface s;
    printlongreport(s, *g, lines, date);
    const auto& out = s.printout();
    EXPECT_EQ(out.pages, 3);
    EXPECT_EQ(out.overflows, 0);

    const auto page1 = out.lines(1);
    ASSERT_EQ(page1.size(), 7u + 44u);
    EXPECT_EQ(page1.back(), longline("Player 42", lines.rounds[43]));

    const auto page2 = out.lines(2);
    const std::string heading = page1[7];
    // The league header is not repeated: blank lines, the heading, the rule, a blank.
    EXPECT_EQ(std::vector<std::string>(page2.begin(), page2.begin() + 9),
              (std::vector<std::string>{" ", " ", " ", " ", " ", heading, longrule(), " ",
                                        longline("Player 43", lines.rounds[44])}));
    EXPECT_EQ(page2.size(), 8u + 43u); // entries 44..86
    const auto page3 = out.lines(3);
    EXPECT_EQ(page3[8], longline("Player 86", lines.rounds[87]));
    EXPECT_EQ(page3.back(), longline("Player 100", lines.rounds[101]));
    EXPECT_EQ(tail(page3, 8).size(), 15u);
}

TEST(LongReport, listEndingExactlyAtABreak_noPageWithOnlyTheHeading) {
    auto g = reportleague(42, 1); // entries 0..43
    RecordingSurface s;
    printlongreport(s, *g, recentlines(*g), date);
    EXPECT_EQ(s.printout().pages, 1);
}

TEST(ShortReport, breaksOnceAfterEntry53) {
    auto g = reportleague(100, 20);
    const ListLines lines = recentlines(*g);
    RecordingSurface s;
    printshortreport(s, *g, lines, date);
    const auto& out = s.printout();
    EXPECT_EQ(out.pages, 2);
    EXPECT_EQ(out.overflows, 0);
    const auto page1 = out.lines(1);
    EXPECT_EQ(page1.size(), 7u + 54u);
    EXPECT_EQ(page1.back(), shortline("Player 52", lines.rounds[53]));
    const auto page2 = out.lines(2);
    EXPECT_EQ(std::vector<std::string>(page2.begin(), page2.begin() + 9),
              (std::vector<std::string>{" ", " ", " ", " ", " ", page1[7], shortrule(), " ",
                                        shortline("Player 53", lines.rounds[54])}));
    EXPECT_EQ(page2.size(), 8u + 48u);
}
