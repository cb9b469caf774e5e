#include "charts/compare.h"
#include "model/golf1.h"
#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace greenfold;

namespace {

using Lines = std::vector<std::string>;

// Players "Player 1".. with two rounds each, the second with the given index.
std::unique_ptr<GOLF1> league(const std::vector<float>& indexes) {
    auto g = std::make_unique<GOLF1>();
    g->playercount = int16_t(indexes.size());
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const std::size_t p = i + 1;
        g->playername[p] = "Player " + std::to_string(p);
        g->roundcount[p] = 2;
        g->hcpindex[p][1] = 99; // an older round's index plays no part
        g->hcpindex[p][2] = indexes[i];
    }
    return g;
}

std::size_t star(const std::string& line) {
    return line.find('*');
}

Printout printed(const GOLF1& g, const Lines& lines) {
    Printout out;
    RecordingSurface s(out);
    printcomparison(s, g, lines, "05-14-2004");
    return out;
}

const Lines heading = {
    "",
    "",
    "              Greenfold          05-14-2004",
    "",
    "",
    "                                      Hcp Index",
    " ",
    "      Player                -5    0    5   10   15   20   25   30   35   40",
    "",
    "",
    "     _______________________________________________________________________________",
    ""};

} // namespace

TEST(Compare, order_lowestFirstEqualIndexesInSlotOrder) {
    auto g = league({12.5f, 3.1f, 12.5f, -1.0f, 3.1f});
    std::vector<int> slots;
    for (const auto& r : rankplayers(*g)) slots.push_back(r.slot);
    EXPECT_EQ(slots, (std::vector<int>{4, 2, 5, 1, 3}));
    const auto lines = comparelines(*g);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_TRUE(lines[1].starts_with(" Player 2 "));
    EXPECT_TRUE(lines[2].starts_with(" Player 5 "));
}

TEST(Compare, line_starOnTheScaleHeldInsideItAndIndexLinedUp) {
    EXPECT_EQ(compareline("Al", 0),
              " Al" + std::string(19 + 6, ' ') + "*" + std::string(72 - 29, ' ') + " 0");
    // 9.5 rounds half up; 45.2 is held at 41 and -7.8 (-8) at -6, right after the name
    // field, both still read as they are; -0.4 rounds to 0 and has no extra space.
    const std::tuple<float, std::size_t, std::string> cases[] = {
        {-5, 23, "-5"},      {40, 68, " 40"},    {9.5f, 38, " 9.5"}, {45.2f, 69, " 45.2"},
        {-7.8f, 22, "-7.8"}, {12.0f, 40, " 12"}, {-0.4f, 28, "-0.4"}};
    for (const auto& [index, at, shown] : cases) {
        const std::string line = compareline("Al", index);
        EXPECT_EQ(star(line), at) << index;
        EXPECT_EQ(line.substr(72), shown) << index;
    }
}

TEST(Compare, longNames_keptWholeStarCountedFromTheirEnd) {
    const std::string name = "Bartholomew Featherstonehaugh"; // 29 characters
    const std::string line = compareline(name, 0);
    EXPECT_EQ(line.substr(0, 30), " " + name);
    EXPECT_EQ(star(line), 30u + 6);
    EXPECT_EQ(line.size(), 72u + 2);
    const std::string full = compareline(std::string(70, 'x'), 40);
    EXPECT_EQ(star(full), 71u + 46);
    EXPECT_TRUE(full.ends_with("* 40"));
    // Characters count, not bytes: an accented name fills to the same columns.
    EXPECT_EQ(star(compareline("Zoë", 0)), 28u + 1);
}

TEST(Compare, decodedIndex_cutToTenthsTowardMinusInfinity) {
    auto g = league({12.35f, -7.85f, 0.0f});
    const auto ranked = rankplayers(*g);
    EXPECT_FLOAT_EQ(ranked[0].index, -7.9f);
    EXPECT_FLOAT_EQ(ranked[1].index, 0.0f);
    EXPECT_FLOAT_EQ(ranked[2].index, 12.3f);
    EXPECT_TRUE(comparelines(*g)[2].ends_with(" 12.3"));
}

TEST(Compare, absurdIndexFromADamagedFile_stillNamesTheRightPlayer) {
    std::vector<float> indexes(100, 10.0f);
    indexes[41] = indexes[42] = 250000.0f; // no digits left in the key for the slot
    const auto ranked = rankplayers(*league(indexes));
    ASSERT_EQ(ranked.size(), 100u);
    EXPECT_EQ(ranked[0].slot, 1);
    EXPECT_EQ(ranked[98].slot, 42);
    EXPECT_EQ(ranked[99].slot, 43);
}

TEST(Compare, playersWithoutRounds_leftOut) {
    auto g = league({5.0f, 6.0f, 7.0f});
    g->roundcount[2] = 0;
    const auto lines = comparelines(*g);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].starts_with(" Player 3 "));
    g->roundcount[1] = g->roundcount[3] = 0;
    EXPECT_TRUE(comparelines(*g).empty());
    EXPECT_EQ(std::string(scalecaption0).size(), 36u);
    EXPECT_EQ(scalecaption1().substr(36, 2), "10");
}

TEST(ComparePrint, noLines_onlyTheHeading) {
    const Printout out = printed(*league({}), {});
    EXPECT_EQ(out.orientation, orientation_portrait);
    EXPECT_EQ(out.alllines(), heading);
    EXPECT_EQ(out.documents, 1);
    const PrintedText title = out.find("              Greenfold")[0];
    const PrintedText scale = out.find("      Player")[0];
    EXPECT_EQ(std::tuple(title.size, title.bold, scale.size, scale.font),
              std::tuple(18.0f, true, 10.0f, std::string("Courier New")));
}

TEST(ComparePrint, headingAgainAfterTheFiftiethLine_fiftyStayOnOnePage) {
    auto g = league({});
    g->printfont = "Times New Roman";
    Lines lines;
    for (int i = 1; i <= 60; ++i) lines.push_back(" line " + std::to_string(i));
    const Printout out = printed(*g, lines);
    ASSERT_EQ(out.pages, 2);
    const auto first = out.lines(1), second = out.lines(2);
    ASSERT_EQ(first.size(), 12u + 50);
    EXPECT_EQ(first.back(), "      line 50");
    // The new page switches fonts away and back first, as every page does.
    ASSERT_EQ(second.size(), 1u + 12 + 10);
    EXPECT_EQ(second[0], " ");
    EXPECT_EQ(Lines(second.begin() + 1, second.begin() + 13), heading);
    EXPECT_EQ(second[13], "      line 51");
    EXPECT_EQ(out.find("      line 51")[0].font, "Times New Roman");
    EXPECT_EQ(out.documents, 1);
    for (int n : {50, 60, 100}) { // a full roster fits two pages
        const Printout full = printed(*g, Lines(std::size_t(n), "x"));
        EXPECT_EQ(std::pair(full.pages, full.overflows), std::pair(n < 51 ? 1 : 2, 0)) << n;
    }
}
