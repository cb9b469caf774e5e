#include "lists/views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <random>

using namespace greenfold;

namespace {

using Strings = std::vector<std::string>;

using Date = std::array<int16_t, 3>; // month, day, year

class Views : public ::testing::Test {
  protected:
    // A player with rounds on the given dates, oldest first.
    void addplayer(const std::string& name, std::vector<Date> dates) {
        const int p = ++g->playercount;
        g->playername[p] = name;
        g->roundcount[p] = int16_t(dates.size());
        for (int r = 1; r <= int(dates.size()); ++r) {
            g->rmonth[p][r] = dates[r - 1][0];
            g->rday[p][r] = dates[r - 1][1];
            g->ryear[p][r] = dates[r - 1][2];
            g->roundcourse[p][r] = 1;
        }
    }
    // Below the headers: each line's name, date (mm/dd/yy) and last column, as "name|date|nn".
    static Strings rows(const ListLines& lines) {
        Strings out;
        for (std::size_t i = 2; i < lines.rounds.size(); ++i) {
            const std::string& r = lines.rounds[i];
            out.push_back(lines.names[i] + "|" + r.substr(0, 8) + "|" + r.substr(r.size() - 2));
        }
        return out;
    }

    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
    RoundView v;
};

} // namespace

TEST_F(Views, recentAndPlayer_newestRoundsSpinDownDropsPlayersAtZeroUpStopsAtTheNewest) {
    addplayer("Ann", {{5, 1, 99}, {5, 8, 99}, {5, 15, 99}});
    addplayer("Bob", {{5, 15, 99}});
    addplayer("Cy", {});
    addplayer("", {{5, 1, 99}});
    const ListLines newest = *refreshview(*g, v);
    EXPECT_EQ(rows(newest), (Strings{"Ann|05/15/99| 3", "Bob|05/15/99| 1"}));

    SpinStep step = spindown(*g, v);
    EXPECT_EQ(step.hint, "Viewing rounds entered earlier");
    EXPECT_EQ(rows(step.lines), Strings{"Ann|05/08/99| 2"});
    spindown(*g, v);
    EXPECT_EQ(rows(spindown(*g, v).lines), Strings{});

    step = spinup(*g, v);
    EXPECT_EQ(step.hint, "Viewing more recently entered rounds");
    EXPECT_EQ(rows(step.lines), (Strings{"Ann|05/01/99| 1", "Bob|05/15/99| 1"}));
    for (int n = 0; n < 3; ++n) spinup(*g, v);
    EXPECT_EQ(spinup(*g, v).lines, newest);
    spindown(*g, v);
    EXPECT_EQ(*refreshview(*g, v), newest);

    // One player's rounds: newest first, the count on the newest only.
    const ListLines ann = showplayer(*g, 1);
    EXPECT_EQ(rows(ann), (Strings{"Ann|05/15/99| 3", "Ann|05/08/99|  ", "Ann|05/01/99|  "}));
    EXPECT_EQ(ann.rounds[3].size() + 2, ann.rounds[2].size());
}

// Two-digit years from 80 are the 1900s, and 31 December comes just before 1 January of the
// next year, across the century too.
TEST_F(Views, showDates_newestFirstStepsInCalendarOrderAndListsEachDateInRosterOrder) {
    addplayer("Ann", {{12, 31, 99}, {1, 1, 0}, {1, 1, 0}, {6, 1, 79}});
    addplayer("Bob", {{1, 1, 0}, {6, 1, 80}, {12, 31, 99}});
    v.view = view_date;
    const ListLines newest = *refreshview(*g, v);
    EXPECT_EQ(rows(newest), Strings{"Ann|06/01/79| 4"});
    SpinStep step = spinup(*g, v);
    EXPECT_EQ(step.hint, "");
    EXPECT_EQ(step.lines, newest);

    Strings seen;
    while (!(step = spindown(*g, v)).hint.empty()) {
        EXPECT_EQ(step.hint, "Viewing earlier dates");
        for (const auto& row : rows(step.lines)) seen.push_back(row);
    }
    EXPECT_EQ(seen, (Strings{"Ann|01/01/00| 4", "Ann|01/01/00| 4", "Bob|01/01/00| 3",
                             "Ann|12/31/99| 4", "Bob|12/31/99| 3", "Bob|06/01/80| 3"}));
    EXPECT_EQ(rows(step.lines), Strings{"Bob|06/01/80| 3"});

    EXPECT_EQ(spinup(*g, v).hint, "Viewing more recent dates");
    EXPECT_EQ(v.dateindex, 2);
}

TEST_F(Views, noRounds_onlyHeadersInEveryView) {
    addplayer("Ann", {});
    const ListLines headers = listheaders();
    EXPECT_EQ(*refreshview(*g, v), headers);
    v.view = view_date;
    EXPECT_EQ(*refreshview(*g, v), headers);
    EXPECT_EQ(spindown(*g, v).lines, headers);
    EXPECT_EQ(showplayer(*g, 1), headers);
}

TEST_F(Views, fullLeague_theLastRoundOfTheLastPlayerCounts) {
    for (int p = 1; p <= maxplayers; ++p)
        addplayer("P" + std::to_string(p), std::vector<Date>(maxrounds, {5, 1, 99}));
    g->rday[maxplayers][maxrounds] = 2;
    EXPECT_EQ(rows(*refreshview(*g, v)).back(), "P100|05/02/99|20");
    v.view = view_date;
    EXPECT_EQ(rows(*refreshview(*g, v)), Strings{"P100|05/02/99|20"});
    EXPECT_EQ(v.datekeys.size(), 2u);
    // The last player has his own view; only the recent and date views have the spin.
    EXPECT_EQ(rows(showplayer(*g, maxplayers)).front(), "P100|05/02/99|20");
    EXPECT_EQ(rows(showplayer(*g, maxplayers)).size(), std::size_t(maxrounds));
    for (int view : {view_recent, view_date, view_player}) {
        v.view = view;
        EXPECT_EQ(spinvisible(v), view != view_player) << view;
    }
}

TEST(ShellSort, sortsEverySizeAroundTheGaps) {
    std::mt19937 rng(7);
    for (std::size_t n : {0u, 1u, 2u, 3u, 4u, 7u, 8u, 15u, 16u, 100u, 2000u}) {
        std::vector<float> keys(n);
        for (float& k : keys) k = float(rng() % 500);
        std::vector<float> want = keys;
        std::sort(want.begin(), want.end());
        shellsort(keys);
        EXPECT_EQ(keys, want) << n;
    }
}
