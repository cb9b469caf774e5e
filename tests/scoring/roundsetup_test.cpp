#include "scoring/roundsetup.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace greenfold;

namespace {

// Ann, Bob, a nameless slot 3 and Dee; "Cedar Ridge" twice in different case.
std::unique_ptr<ProgramState> league() {
    auto g = std::make_unique<ProgramState>();
    setmonthnames(*g);
    g->playercount = 4;
    const char* names[] = {"", "Ann", "Bob", "", "Dee"};
    const char* courses[] = {"", "Cedar Ridge", "Willow Creek", "cedar ridge"};
    for (int p = 1; p <= 4; ++p) g->playername[p] = names[p];
    g->coursecount = 3;
    for (int c = 1; c <= 3; ++c) g->coursedata[c][courseline_name] = courses[c];
    return g;
}

} // namespace

TEST(SetupDate, monthAndDayStopAtTheirEnds_yearWraps_centuryAt85) {
    const std::tuple<int (*)(int, bool), int, bool, int> steps[] = {
        {stepmonth, 1, false, 1}, {stepmonth, 12, true, 12}, {stepmonth, 6, true, 7},
        {stepday, 1, false, 1},   {stepday, 31, true, 31},   {stepday, 28, true, 29},
        {stepyear, 0, false, 99}, {stepyear, 99, true, 0},   {stepyear, 25, true, 26}};
    for (const auto& [step, from, up, to] : steps) EXPECT_EQ(step(from, up), to) << from << up;
    EXPECT_EQ(yearcaption(14) + yearcaption(84) + yearcaption(85) + yearcaption(0),
              "Year 2014Year 2084Year 1985Year 2000");
    EXPECT_EQ(yeartext(5) + monthshort(*league(), 9), "05Sep");
}

TEST(SetupAccept, rowsStandForTheListedPlayers_laterOfTwoSameNamedCourses) {
    auto g = league();
    const SetupPlayers list = setupplayers(*g);
    EXPECT_EQ(list.names, (std::vector<std::string>{"Ann", "Bob", "Dee"}));
    // The third row is Dee in slot 4: the nameless slot 3 is not offered.
    const SetupResult r =
        acceptsetup(*g, {list.playerslots[2], list.playerslots[0]}, "CEDAR ridge", {6, 14, 26});
    ASSERT_EQ(r.check, SetupCheck::ok);
    const ScoreSession& s = r.session;
    EXPECT_EQ(std::tuple(s.waiting, s.course, s.month, s.day, s.year, s.editslot),
              std::tuple(std::vector<int>{1, 4}, 3, 6, 14, 26, 0));
}

TEST(SetupAccept, refusesUnknownCourseThenNobodyChosen) {
    auto g = league();
    for (const char* course : {"Pebble", ""})
        EXPECT_EQ(acceptsetup(*g, {1}, course, {6, 1, 26}).check, SetupCheck::nocourse);
    for (const std::vector<int>& none : {std::vector<int>{}, {0, 101}})
        EXPECT_EQ(acceptsetup(*g, none, "Willow Creek", {6, 1, 26}).check, SetupCheck::noplayers);
}
