#include "lists/roundlines.h"

#include <gtest/gtest.h>

#include <memory>

using namespace greenfold;

namespace {

struct Round {
    int month, day, year, course;
    std::array<int, 18> holes;
    float index, chcp;
    std::string initials = "PV"; // of course 1, the only course
};

// The round line of one player's only round.
std::string line(const Round& d, std::optional<int> last = 1) {
    auto g = std::make_unique<ProgramState>();
    g->coursecount = 1;
    g->coursedata[1][courseline_initials] = d.initials;
    g->playercount = 1;
    g->roundcount[1] = 1;
    g->rmonth[1][1] = int16_t(d.month);
    g->rday[1][1] = int16_t(d.day);
    g->ryear[1][1] = int16_t(d.year);
    g->roundcourse[1][1] = int16_t(d.course);
    for (int k = 1; k <= 18; ++k) {
        g->holescore[1][1][k] = int16_t(d.holes[k - 1]);
        g->holescore[1][1][k <= 9 ? 19 : 20] += int16_t(d.holes[k - 1]);
    }
    g->hcpindex[1][1] = d.index;
    g->coursehcp[1][1] = d.chcp;
    return roundtext(*g, 1, 1, last);
}

} // namespace

TEST(RoundLine, columnsForEachKindOfRound) {
    // Nine holes show dashes; an index just below ten keeps its sign space.
    EXPECT_EQ(line({10, 12, 3, 1, {5, 6, 4, 5, 5, 4, 6, 5, 5}, 9.96f, 9, "ABC"}),
              "10/12/03   ABC45    0    45   10.0         5  6  4  5  5  4  6  5  5  -  -  -  -"
              "  -  -  -  -  -    9      1");
    // A negative index has no sign space; no course pads the course column; a two-digit
    // hole fills its column.
    EXPECT_EQ(
        line({1, 2, 85, 0, {4, 5, 4, 4, 4, 5, 4, 4, 4, 4, 5, 4, 5, 10, 4, 5, 4, 5}, -2.5f, -3},
             std::nullopt),
        "01/02/85      38   46    84  -2.5         4  5  4  4  4  5  4  4  4  4  5  4  5 10"
        "  4  5  4  5   -3     ");
    // A course beyond the table reads as no course.
    EXPECT_EQ(line({1, 2, 85, maxcourses + 1, {}, 0, 0}), line({1, 2, 85, 0, {}, 0, 0}));
    // A three-digit total takes the blank before it.
    EXPECT_EQ(line({1, 1, 1, 1, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10}, 0, 0}).substr(0, 29),
              "01/01/01   PV 90   10   100  ");
    // A one-digit total pads the index column to 37.
    EXPECT_EQ(line({1, 1, 1, 1, {}, 0, 0}),
              "01/01/01   PV  0    0    0   0.0          -  -  -  -  -  -  -  -  -  -  -  -  -  -"
              "  -  -  -  -    0      1");
}

TEST(RoundLine, indexSignSpace_followsTheStoredValue) {
    std::string columns;
    for (float index : {9.96f, 0.0f, -0.1f, 10.0f, -12.5f}) // after a one-digit total
        columns += line({1, 1, 1, 1, {}, index, 0}).substr(28, 5) + "|";
    EXPECT_EQ(columns, " 10.0| 0.0 |-0.1 |10.0 |-12.5|");
}

TEST(RoundLine, initialsPadding_countsCharactersNotBytes) {
    // Two letters in three bytes; longer initials push the line out.
    EXPECT_EQ(line({1, 1, 1, 1, {}, 0, 0, "\xC3\x85Z"}).substr(0, 17), "01/01/01   \xC3\x85Z  0");
    EXPECT_EQ(line({1, 1, 1, 1, {}, 0, 0, "ABCDE"}).substr(0, 18), "01/01/01   ABCDE 0");
}

// The headings themselves are checked in the printed lists.
TEST(ListHeaders, rulesSpanTheColumns) {
    EXPECT_EQ(listheaders().names[1], std::string(30, '_'));
    EXPECT_EQ(listheaders().rounds[1], std::string(156, '_'));
}
