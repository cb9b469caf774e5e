#include "lists/roundlines.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;

namespace {

struct Round {
    int month, day, year, course;
    std::array<int, 18> holes;
    float index, chcp;
};

void putround(GOLF1& g, int p, int r, const Round& d) {
    g.rmonth[p][r] = int16_t(d.month);
    g.rday[p][r] = int16_t(d.day);
    g.ryear[p][r] = int16_t(d.year);
    g.roundcourse[p][r] = int16_t(d.course);
    int out = 0, in = 0;
    for (int k = 1; k <= 18; ++k) {
        g.holescore[p][r][k] = int16_t(d.holes[k - 1]);
        (k <= 9 ? out : in) += d.holes[k - 1];
    }
    g.holescore[p][r][19] = int16_t(out);
    g.holescore[p][r][20] = int16_t(in);
    g.hcpindex[p][r] = d.index;
    g.coursehcp[p][r] = d.chcp;
}

std::unique_ptr<GOLF1> league() {
    auto g = std::make_unique<GOLF1>();
    g->coursecount = 2;
    g->coursedata[1][courseline_initials] = "PV";
    g->coursedata[2][courseline_initials] = "ABC";
    g->playercount = 1;
    g->playername[1] = "Smith";
    g->roundcount[1] = 1;
    return g;
}

} // namespace

TEST(RoundLine, twoDigitIndex_matchesTheLayout) {
    auto g = league();
    putround(*g, 1, 1,
             {5, 7, 99, 1, {4, 5, 3, 4, 5, 4, 3, 4, 5, 5, 4, 4, 3, 10, 4, 5, 4, 4}, 12.3f, 14});
    EXPECT_EQ(roundtext(*g, 1, 1, 3), "05/07/99   PV 37   43    80  12.3         4  5  3  4  5  4 "
                                      " 3  4  5  5  4  4  3 10  4  5  4  4   14      3");
}

TEST(RoundLine, nineHolesAndIndexJustBelowTen_dashesAndRoundedIndexWithSpace) {
    auto g = league();
    putround(*g, 1, 1,
             {10, 12, 3, 2, {5, 6, 4, 5, 5, 4, 6, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 9.96f, 9});
    EXPECT_EQ(roundtext(*g, 1, 1, 1), "10/12/03   ABC45    0    45   10.0         5  6  4  5  5  4 "
                                      " 6  5  5  -  -  -  -  -  -  -  -  -    9      1");
}

TEST(RoundLine, negativeIndexWithoutCourse_noSignSpaceAndPaddedCourseColumn) {
    auto g = league();
    putround(*g, 1, 1,
             {1, 2, 85, 0, {4, 5, 4, 4, 4, 5, 4, 4, 4, 4, 5, 4, 5, 4, 4, 5, 4, 5}, -2.5f, -3});
    EXPECT_EQ(roundtext(*g, 1, 1, std::nullopt), "01/02/85      38   40    78  -2.5         4  "
                                                 "5  4  4  4  5  4  4  4  4  5  4  5  4  4  5 "
                                                 " 4  5   -3     ");
}

TEST(RoundLine, oneDigitTotal_indexColumnPaddedTo37) {
    auto g = league();
    putround(*g, 1, 1, {1, 1, 1, 1, {}, 0, 0});
    EXPECT_EQ(roundtext(*g, 1, 1, 1), "01/01/01   PV  0    0    0   0.0          -  -  -  -  -  - "
                                      " -  -  -  -  -  -  -  -  -  -  -  -    0      1");
}

TEST(RoundLine, courseOutsideTheTable_readsAsNoInitials) {
    auto g = league();
    putround(*g, 1, 1, {1, 2, 85, 0, {}, 0, 0});
    const std::string none = roundtext(*g, 1, 1, 1);
    g->roundcourse[1][1] = maxcourses + 1;
    EXPECT_EQ(roundtext(*g, 1, 1, 1), none);
}

TEST(RoundLine, indexSignSpace_followsTheStoredValue) {
    auto g = league();
    auto indexcolumn = [&](float index) {
        putround(*g, 1, 1, {1, 1, 1, 1, {}, index, 0});
        return roundtext(*g, 1, 1, 1).substr(28, 5); // after a one-digit total
    };
    EXPECT_EQ(indexcolumn(9.96f), " 10.0");
    EXPECT_EQ(indexcolumn(0.0f), " 0.0 ");
    EXPECT_EQ(indexcolumn(-0.1f), "-0.1 ");
    EXPECT_EQ(indexcolumn(10.0f), "10.0 ");
    EXPECT_EQ(indexcolumn(-12.5f), "-12.5");
}

TEST(RoundLine, initialsPadding_countsCharactersNotBytes) {
    auto g = league();
    g->coursedata[1][courseline_initials] = "\xC3\x85"
                                            "B"; // two letters, three bytes
    putround(*g, 1, 1, {1, 1, 1, 1, {}, 0, 0});
    EXPECT_EQ(roundtext(*g, 1, 1, 1).substr(0, 17), "01/01/01   \xC3\x85"
                                                    "B  0");
    g->coursedata[1][courseline_initials] = "ABCDE"; // longer initials push the line out
    EXPECT_EQ(roundtext(*g, 1, 1, 1).substr(0, 18), "01/01/01   ABCDE 0");
}

TEST(ListHeaders, bothListsGetTheirTwoHeaderLines) {
    const ListLines h = listheaders();
    EXPECT_EQ(h.names, (std::vector<std::string>{"     Name", "______________________________"}));
    ASSERT_EQ(h.rounds.size(), 2u);
    EXPECT_EQ(h.rounds[0], "  Date   Course  Out  In Total Hcp Index  1  2  3  4  5  6  7  8  9 "
                           "10 11 12 13 14 15 16 17 18  C Hcp # rounds");
    EXPECT_EQ(h.rounds[1], std::string(156, '_'));
}
