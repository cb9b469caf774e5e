#include "lists/views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

using namespace greenfold;

namespace {

// Players with rounds on the given dates (month, day, year), oldest first.
struct Date {
    int month, day, year;
};

class Views : public ::testing::Test {
  protected:
    void SetUp() override {
        g->coursedata[1][courseline_initials] = "PV";
        g->coursecount = 1;
    }

    void addplayer(const std::string& name, std::vector<Date> dates) {
        const int p = ++g->playercount;
        g->playername[p] = name;
        g->roundcount[p] = int16_t(dates.size());
        for (int r = 1; r <= int(dates.size()); ++r) {
            g->rmonth[p][r] = int16_t(dates[r - 1].month);
            g->rday[p][r] = int16_t(dates[r - 1].day);
            g->ryear[p][r] = int16_t(dates[r - 1].year);
            g->roundcourse[p][r] = 1;
        }
    }

    // The names below the two header lines.
    static std::vector<std::string> names(const ListLines& lines) {
        return {lines.names.begin() + 2, lines.names.end()};
    }
    // The dates (mm/dd/yy) of the round lines below the headers.
    static std::vector<std::string> dates(const ListLines& lines) {
        std::vector<std::string> out;
        for (std::size_t i = 2; i < lines.rounds.size(); ++i)
            out.push_back(lines.rounds[i].substr(0, 8));
        return out;
    }
    static std::string lastcolumn(const std::string& line) { return line.substr(line.size() - 2); }

    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
    RoundView v;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(Views, recent_playerWithoutRoundsOrNameHasNoLine) {
    addplayer("Ann", {{5, 1, 99}, {5, 8, 99}});
    addplayer("Bob", {});
    addplayer("", {{5, 1, 99}});
    const ListLines lines = *refreshview(*g, v);
    EXPECT_EQ(names(lines), Strings{"Ann"});
    EXPECT_EQ(dates(lines), Strings{"05/08/99"});
    EXPECT_EQ(lastcolumn(lines.rounds[2]), " 2");
    EXPECT_EQ(lines.names.size(), lines.rounds.size());
}

TEST_F(Views, recentSpinDown_dropsPlayersAtZeroUntilUp) {
    addplayer("Ann", {{5, 1, 99}, {5, 8, 99}, {5, 15, 99}});
    addplayer("Bob", {{5, 15, 99}});
    refreshview(*g, v);

    SpinStep step = spindown(*g, v);
    EXPECT_EQ(step.hint, "Viewing rounds entered earlier");
    EXPECT_EQ(names(step.lines), Strings{"Ann"});
    EXPECT_EQ(dates(step.lines), Strings{"05/08/99"});
    EXPECT_EQ(lastcolumn(step.lines.rounds[2]), " 2");

    spindown(*g, v);
    step = spindown(*g, v);
    EXPECT_EQ(names(step.lines), Strings{});
    EXPECT_EQ(v.viewslot[1], 0); // never below nothing
    EXPECT_EQ(v.viewslot[2], 0);

    step = spinup(*g, v);
    EXPECT_EQ(step.hint, "Viewing more recently entered rounds");
    EXPECT_EQ(names(step.lines), (Strings{"Ann", "Bob"}));
    EXPECT_EQ(dates(step.lines), (Strings{"05/01/99", "05/15/99"}));
}

TEST_F(Views, recentSpinUp_stopsAtEachPlayersNewestRound) {
    addplayer("Ann", {{5, 1, 99}, {5, 8, 99}});
    addplayer("Bob", {{5, 8, 99}});
    refreshview(*g, v);
    spinup(*g, v);
    const SpinStep step = spinup(*g, v);
    EXPECT_EQ(v.viewslot[1], 2);
    EXPECT_EQ(v.viewslot[2], 1);
    EXPECT_EQ(v.viewslot[3], 0);
    EXPECT_EQ(dates(step.lines), (Strings{"05/08/99", "05/08/99"}));
}

TEST_F(Views, refreshRecent_returnsEveryoneToTheNewestRound) {
    addplayer("Ann", {{5, 1, 99}, {5, 8, 99}});
    refreshview(*g, v);
    spindown(*g, v);
    spindown(*g, v);
    const ListLines lines = *refreshview(*g, v);
    EXPECT_EQ(dates(lines), Strings{"05/08/99"});
}

TEST_F(Views, dateKeys_yearsBefore80AreLaterAndYearEndsStayApart) {
    EXPECT_LT(datekey(99, 12, 31), datekey(0, 1, 1));
    EXPECT_LT(datekey(80, 1, 1), datekey(79, 12, 31));
    // Under 365-day years 31 December and 7 January of the next year met in one key.
    EXPECT_LT(datekey(98, 12, 31), datekey(99, 1, 7));
    EXPECT_LT(datekey(98, 11, 30), datekey(98, 12, 1));
    EXPECT_LT(datekey(98, 2, 28), datekey(98, 3, 1));
}

TEST_F(Views, showDates_newestDateFirstAndStepsInCalendarOrder) {
    addplayer("Ann", {{12, 31, 98}, {1, 7, 99}, {6, 1, 2}});
    addplayer("Bob", {{1, 7, 99}, {6, 1, 85}, {12, 31, 98}});
    v.view = view_date;
    ListLines lines = *refreshview(*g, v);
    EXPECT_EQ(dates(lines), Strings{"06/01/02"});
    EXPECT_EQ(v.datekeys.size(), 4u);

    Strings seen;
    for (;;) {
        SpinStep step = spindown(*g, v);
        if (step.hint.empty()) break;
        EXPECT_EQ(step.hint, "Viewing earlier dates");
        seen.push_back(dates(step.lines).front());
    }
    EXPECT_EQ(seen, (Strings{"01/07/99", "12/31/98", "06/01/85"}));
    EXPECT_EQ(v.dateindex, 1);

    const SpinStep up = spinup(*g, v);
    EXPECT_EQ(up.hint, "Viewing more recent dates");
    EXPECT_EQ(v.dateindex, 2);
}

TEST_F(Views, showDate_rosterOrderOldestFirstWithRoundCounts) {
    addplayer("Ann", {{5, 1, 99}, {5, 8, 99}, {5, 8, 99}});
    addplayer("Bob", {{5, 8, 99}, {5, 9, 99}});
    v.view = view_date;
    refreshview(*g, v);
    const SpinStep step = spindown(*g, v);
    EXPECT_EQ(names(step.lines), (Strings{"Ann", "Ann", "Bob"}));
    EXPECT_EQ(lastcolumn(step.lines.rounds[2]), " 3");
    EXPECT_EQ(lastcolumn(step.lines.rounds[3]), " 3");
    EXPECT_EQ(lastcolumn(step.lines.rounds[4]), " 2");
}

TEST_F(Views, dateSpin_atEitherEndStaysPut) {
    addplayer("Ann", {{5, 1, 99}, {5, 8, 99}});
    v.view = view_date;
    const ListLines newest = *refreshview(*g, v);
    SpinStep step = spinup(*g, v);
    EXPECT_EQ(step.hint, "");
    EXPECT_EQ(step.lines, newest);
    spindown(*g, v);
    step = spindown(*g, v);
    EXPECT_EQ(step.hint, "");
    EXPECT_EQ(v.dateindex, 1);
}

TEST_F(Views, noRounds_onlyHeadersInEveryView) {
    addplayer("Ann", {});
    const ListLines headers = listheaders();
    EXPECT_EQ(*refreshview(*g, v), headers);
    v.view = view_date;
    EXPECT_EQ(*refreshview(*g, v), headers);
    EXPECT_TRUE(v.datekeys.empty());
    EXPECT_EQ(spindown(*g, v).lines, headers);
    EXPECT_EQ(spinup(*g, v).lines, headers);
    EXPECT_EQ(showplayer(*g, 1), headers);
}

TEST_F(Views, showPlayer_newestFirstCountOnNewestOnly) {
    addplayer("Ann", {{5, 1, 99}});
    addplayer("Bob", {{5, 1, 99}, {5, 8, 99}, {5, 15, 99}});
    const ListLines lines = showplayer(*g, 2);
    EXPECT_EQ(names(lines), (Strings{"Bob", "Bob", "Bob"}));
    EXPECT_EQ(dates(lines), (Strings{"05/15/99", "05/08/99", "05/01/99"}));
    EXPECT_EQ(lastcolumn(lines.rounds[2]), " 3");
    EXPECT_EQ(lines.rounds[3].back(), ' ');
    EXPECT_EQ(lines.rounds[3].size() + 2, lines.rounds[2].size());
}

TEST_F(Views, fullLeague_everyDateOnceInOrder) {
    std::mt19937 rng(7);
    for (int p = 1; p <= maxplayers; ++p) {
        std::vector<Date> d;
        for (int r = 1; r <= maxrounds; ++r)
            d.push_back({int(rng() % 12) + 1, int(rng() % 31) + 1, int(rng() % 100)});
        addplayer("P" + std::to_string(p), d);
    }
    RoundView dv;
    builddates(*g, dv);
    EXPECT_GT(dv.datekeys.size(), 800u); // more dates than the old fixed table held
    EXPECT_TRUE(std::is_sorted(dv.datekeys.begin(), dv.datekeys.end()));
    EXPECT_EQ(std::adjacent_find(dv.datekeys.begin(), dv.datekeys.end()), dv.datekeys.end());
}

TEST(ShellSort, sortsEverySizeAroundTheGaps) {
    std::mt19937 rng(11);
    for (std::size_t n : {0u, 1u, 2u, 3u, 4u, 7u, 8u, 15u, 16u, 100u, 2000u}) {
        std::vector<float> keys(n);
        for (float& k : keys) k = float(rng() % 500);
        std::vector<float> want = keys;
        std::sort(want.begin(), want.end());
        shellsort(keys);
        EXPECT_EQ(keys, want) << n;
    }
}
