// The skins sheet's payout by player, and the printed sheets' pages after the first.
#include "reports/recordingsurface.h"
#include "results/resultsprint.h"
#include "results/resultstext.h"
#include "results/skinstext.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace greenfold;

namespace {

// Gross: Ann the 1st, Bob the 5th with two carried in, and a carry of three past the end
// split (Ann and Bob 1.00 each); net: Bob the 2nd, Cy the 7th.
NightSkins twogames() {
    NightSkins n;
    n.date = {6, 1, 26};
    n.settings = {SkinsMode::both, true, true, 500};
    n.games.push_back({"",
                       SkinKind::gross,
                       4,
                       2000,
                       {{1, "Ann", 3, 0, 150},
                        {5, "Bob", 3, 2, 450},
                        {0, "Ann", 0, 3, 100},
                        {0, "Bob", 0, 3, 100}},
                       3,
                       true,
                       7,
                       150,
                       1200});
    n.games.push_back({"",
                       SkinKind::net,
                       4,
                       2000,
                       {{2, "Bob", 2, 0, 200}, {7, "Cy", 3, 0, 200}},
                       0,
                       false,
                       2,
                       1000,
                       1600});
    return n;
}

std::vector<std::string> tail(const std::vector<std::string>& lines, std::size_t n) {
    return {lines.end() - std::ptrdiff_t(n), lines.end()};
}

} // namespace

TEST(SkinsPayout, eachPlayersMoneyOverEveryGame_onTheSheetAndAsCsv) {
    const NightSkins n = twogames();
    EXPECT_EQ(skinstotals(n),
              (std::vector<SkinsTotal>{{"Bob", 4, 750}, {"Ann", 1, 250}, {"Cy", 1, 200}}));
    const std::vector<std::string> sheet = skinslines("Tuesday", n);
    EXPECT_EQ(tail(sheet, 7),
              (std::vector<std::string>{"", "Payout by player, all games", totalscolumns,
                                        "       Bob                        4             7.50",
                                        "       Ann                        1             2.50",
                                        "       Cy                         1             2.00",
                                        "       Paid out                                12.00"}));
    EXPECT_EQ(sheet[sheet.size() - 4].size(), std::string(skinscolumns).size()); // one right edge
    EXPECT_EQ(totalsheading(), (std::vector<std::string>{"date", "player", "skins", "payout"}));
    EXPECT_EQ(totalscells(n).front(), (std::vector<std::string>{"06/01/26", "Bob", "4", "7.50"}));
    EXPECT_EQ(payoutlines("Tuesday", n).size(), 8u); // the title and the payout alone

    NightSkins none = n; // no skin won: nobody to pay, and the sheet says nothing of it
    for (SkinsGame& g : none.games) {
        g.wins.clear();
        g.skinswon = 0;
    }
    EXPECT_TRUE(skinstotals(none).empty());
    EXPECT_EQ(skinslines("Tuesday", none).back(), "No skin won: the pot of 20.00 is not paid out");
    EXPECT_EQ(payoutlines("Tuesday", none).back(), "No skin was won: nobody is paid.");
}

TEST(PrintedSheets, everyPageAfterTheFirstSaysWhatItContinues) {
    std::vector<std::string> lines = {"Tuesday Skins 06/01/26", "Gross skins, stake 1.00 a player"};
    auto game = [&](const std::string& title, int rows) {
        lines.insert(lines.end(), {"", title, skinscolumns});
        for (int k = 1; k <= rows; ++k) lines.push_back("row " + std::to_string(k) + " " + title);
        lines.push_back(title + " foot");
    };
    game("Flight A: Gross skins", 30);
    game("Flight B: Gross skins", 30); // runs onto the second page
    ProgramState g;
    g.leaguefile = "Tuesday.LGE";
    Printout printed;
    RecordingSurface surface(printed);
    ASSERT_TRUE(printresults(surface, g, lines, "06-02-2026"));
    ASSERT_EQ(printed.pages, 2);
    std::vector<std::string> page2 = printed.lines(2);
    while (!page2.empty() && page2.front() == " ") page2.erase(page2.begin());
    ASSERT_GE(page2.size(), 7u);
    EXPECT_EQ(page2[0], resultsheader(g, "06-02-2026"));
    EXPECT_EQ(std::vector<std::string>(page2.begin() + 1, page2.begin() + 7),
              (std::vector<std::string>{"", "Tuesday Skins 06/01/26 (continued)", "",
                                        "Flight B: Gross skins", skinscolumns, page2[6]}));
    EXPECT_TRUE(page2[6].starts_with("row ")) << page2[6];
    const std::vector<std::string> all = printed.alllines(); // no line lost, none moved
    auto at = all.begin();
    for (const std::string& line : lines) {
        at = std::find(at, all.end(), line);
        ASSERT_NE(at, all.end()) << line;
    }

    // A flight's heading that would fall in a page's last four lines starts the next page.
    lines.resize(2);
    game("Flight A: Gross skins", 43);
    game("Flight B: Gross skins", 1);
    Printout moved;
    RecordingSurface movedsurface(moved);
    ASSERT_TRUE(printresults(movedsurface, g, lines, "06-02-2026"));
    const std::vector<std::string> page1 = moved.lines(1);
    EXPECT_EQ(page1.back(), "Flight A: Gross skins foot");
    EXPECT_EQ(std::count(page1.begin(), page1.end(), "Flight B: Gross skins"), 0);

    // A page that starts with a table has only the title to say; a page that starts in the
    // lines under the title, nothing but it.
    EXPECT_EQ(continuedheading(lines, 2),
              (std::vector<std::string>{"Tuesday Skins 06/01/26 (continued)"}));
    EXPECT_EQ(continuedheading(lines, 1),
              (std::vector<std::string>{"Tuesday Skins 06/01/26 (continued)"}));
    EXPECT_EQ(continuedheading(lines, 4),
              (std::vector<std::string>{"Tuesday Skins 06/01/26 (continued)", "",
                                        "Flight A: Gross skins"}));
}
