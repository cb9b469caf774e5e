// What the competition settings window shows of the flights drawn by handicap.
#include "resultlines.h"
#include "results/competition.h"
#include "results/flights.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

constexpr std::array<int16_t, 18> fours = {4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};

std::vector<std::string> flightsof(const FlightDrawView& v) {
    std::vector<std::string> out;
    for (const FlightAssignment& a : v.rows) out.push_back(a.player + ":" + a.flight);
    return out;
}

} // namespace

TEST(FlightDraw, theRosterWithTheSeasonsDrawUnderTheSettingsShown) {
    ResultsFile f; // the file still has no flights: the window shows what the choice would draw
    const std::vector<std::string> roster = {"Ann", "Bob", "Cy", "Di"};
    CompetitionSettings shown;
    shown.flights = FlightMode::byhandicap;
    FlightDrawView v = flightdraw(f, shown, roster);
    EXPECT_EQ(v.note, "The flights are drawn by handicap at the season's first night. This "
                      "season has no night yet.");
    EXPECT_EQ(flightsof(v), (std::vector<std::string>{"Ann:", "Bob:", "Cy:", "Di:"}));

    // Night 1: Ann 20, Bob 5, Cy without a handicap; night 8 Bob again, and Di for the first
    // time.
    f.lines = {resultline("Ann", fours, 20), resultline("Bob", fours, 5),
               resultline("Cy", fours, std::nullopt), resultline("Bob", fours, 6, 8),
               resultline("Di", fours, 3, 8)};
    v = flightdraw(f, shown, roster);
    EXPECT_EQ(v.note.substr(0, 57), "Drawn by handicap at the season's first night, 06/01/26.");
    ResultsFile drawn = f;
    drawn.settings = shown;
    const Flights first = drawflights(drawn, {6, 1, 26}); // the table is that draw
    for (const FlightAssignment& a : v.rows) {
        const auto it = first.of.find(a.player);
        EXPECT_EQ(a.flight, it == first.of.end() ? "" : first.names[std::size_t(it->second)])
            << a.player;
    }
    EXPECT_EQ(v.rows[2].flight, "B"); // no handicap: the last flight

    shown.draw = FlightDraw::everynight;
    shown.flightcount = 3;
    v = flightdraw(f, shown, roster);
    EXPECT_EQ(flightsof(v), (std::vector<std::string>{"Ann:", "Bob:B", "Cy:", "Di:A"}));
    EXPECT_EQ(v.note, "Drawn by handicap for the newest night, 06/08/26; drawn again every "
                      "night. A player without a flight did not play that night.");
}

TEST(PointsTable, typedWithSpacesOrCommas_refusedWhenNotWholeNumbersUpTo9999) {
    EXPECT_EQ(readpointstable("10, 8,6\t5"), (std::vector<int>{10, 8, 6, 5}));
    EXPECT_EQ(pointstableline(*readpointstable(" 9999 0 ")), "9999 0");
    for (const char* bad :
         {"10000", "10 -1", "8.5", "6a", "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1"})
        EXPECT_FALSE(readpointstable(bad)) << bad;
}
