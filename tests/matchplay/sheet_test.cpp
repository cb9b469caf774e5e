// The sides (R2.2) and a week's match sheet (R2.4): filled from the rounds, corrected by
// hand, and what a change is refused for.
#include "example.h"
#include "matchplay/sides.h"

#include <gtest/gtest.h>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

struct Fixture {
    MatchSettings settings = teamsettings();
    Week w = week(1, Nine::front, {{"Eagles", "Hawks"}, {"Owls", ""}});
    Names rounds = {"Bill", "Carl", "Ed", "Sam", "Al"};
    int draws = 0;
    SheetContext context() {
        return {w, settings, rounds, leaguenames, [this](int count) { return draws++ % count; }};
    }
    WeekSheet fill(WeekSheet sheet = {}) {
        fillsheet(sheet, w, threeteams, rounds, settings, context().draw);
        return sheet;
    }
};

std::string how(const WeekSheet& sheet, const std::string& player) {
    const Entry* e = sheet.entry(player);
    if (!e) return "none";
    std::string out = e->kind == SlotKind::played        ? "played"
                      : e->kind == SlotKind::substitute  ? "sub " + e->substitute
                      : e->fill == AbsentFill::forfeit   ? "forfeit"
                      : e->card == PhantomCard::draw     ? "draw " + e->drawn
                      : e->card == PhantomCard::teammate ? "teammate"
                                                         : "par";
    return out + (e->byhand ? " by hand" : "");
}

} // namespace

TEST(Sides, teamsTakeTheirFirstTwoPlayersAndPlayerSidesLeaveOutSubstitutesOnly) {
    Roster r{{{"Ann", 2}, {"Bill", 1}, {"Cy", 2}, {"Dan", 0}, {"Ed", 2}, {"Flo", 1}, {"Gus", 3}},
             {"Eagles", "Hawks", "Owls"}};
    const Sides teams = makesides(r, Format::teams, {});
    ASSERT_EQ(teams.sides.size(), 3u);
    EXPECT_EQ(teams.sides[1], (Side{"Hawks", {"Ann", "Cy"}, {"Ed"}}));
    EXPECT_EQ(teams.sides[0].regulars, (std::vector<std::string>{"Bill", "Flo"}));
    EXPECT_EQ(teams.problems, (std::vector<std::string>{"Team Owls has fewer than two players."}));
    EXPECT_EQ(substitutesoffered(r, teams.sides[1]),
              (std::vector<std::string>{"Ed", "Bill", "Dan", "Flo", "Gus"}));
    const Sides individual = makesides(r, Format::individual, {"Dan", "Gus"});
    EXPECT_TRUE(individual.ok());
    ASSERT_EQ(individual.sides.size(), 5u);
    EXPECT_EQ(individual.sides[3], (Side{"Ed", {"Ed"}, {}}));
    r.players.resize(1);
    EXPECT_FALSE(makesides(r, Format::individual, {}).ok());
    r.teams = {"Eagles", "Eagles"};
    EXPECT_EQ(makesides(r, Format::teams, {}).problems.back(), "Two sides are named Eagles.");
}

TEST(Sheet, filledFromTheRoundsAndCorrectedByHand) {
    Fixture f;
    WeekSheet sheet = f.fill();
    ASSERT_EQ(sheet.sides.size(), 2u); // the bye side has no sheet
    EXPECT_EQ(how(sheet, "Bill"), "played");
    EXPECT_EQ(how(sheet, "Dan"), "par");
    EXPECT_EQ(how(sheet, "Al"), "none");
    // Ed marked absent by hand stays so after his round; Dan's round turns him to played.
    const SheetContext c = f.context();
    ASSERT_TRUE(markabsent(sheet, c, "Ed"));
    f.rounds.insert("Dan");
    sheet = f.fill(sheet);
    EXPECT_EQ(how(sheet, "Ed"), "par by hand");
    EXPECT_EQ(how(sheet, "Dan"), "played");
    ASSERT_TRUE(setpresent(sheet, c, "Ed"));
    EXPECT_EQ(how(sheet, "Ed"), "played by hand");
    ASSERT_TRUE(setteammate(sheet, c, "Carl"));
    EXPECT_EQ(how(sheet, "Carl"), "teammate by hand");
    ASSERT_TRUE(setforfeit(sheet, c, "Carl"));
    EXPECT_EQ(how(sheet, "Carl"), "forfeit by hand");
    ASSERT_TRUE(typehandicap(sheet, c, "Zed", 14));
    ASSERT_TRUE(typehandicap(sheet, c, "Zed", -3));
    EXPECT_EQ(sheet.typedmh("Zed"), -3);
    EXPECT_EQ(sheet.typed.size(), 1u);
}

TEST(Sheet, changesRefusedForNamesOutsideTheMatchesAndSubstitutesWhoPlayElsewhere) {
    Fixture f;
    WeekSheet sheet = f.fill();
    const WeekSheet before = sheet;
    const SheetContext c = f.context();
    EXPECT_FALSE(markabsent(sheet, c, "Al")); // Owls have the bye
    EXPECT_FALSE(markabsent(sheet, c, "Nobody"));
    EXPECT_FALSE(setsubstitute(sheet, c, "Dan", "Ed")); // plays for the Hawks
    EXPECT_FALSE(setsubstitute(sheet, c, "Dan", "Bill"));
    EXPECT_FALSE(setsubstitute(sheet, c, "Dan", "Dan"));
    EXPECT_FALSE(setsubstitute(sheet, c, "Dan", "Walt")); // not a league player
    EXPECT_FALSE(setdraw(sheet, c, "Dan", "Bill"));       // in this match
    EXPECT_FALSE(setdraw(sheet, c, "Dan", "Zed"));        // no round that night
    EXPECT_FALSE(typehandicap(sheet, c, "Walt", 10));
    EXPECT_FALSE(typehandicap(sheet, c, "Sam", 100));
    EXPECT_EQ(sheet, before);
    // Al, whose side has the bye, may stand in; then nobody else may take him.
    ASSERT_TRUE(setsubstitute(sheet, c, "Dan", "Al"));
    EXPECT_EQ(how(sheet, "Dan"), "sub Al by hand");
    EXPECT_FALSE(setsubstitute(sheet, c, "Carl", "Al"));
    EXPECT_TRUE(setsubstitute(sheet, c, "Dan", "Sam"));
}

TEST(Sheet, aBlindDrawTakesACardFromOutsideTheMatchAndIsStored) {
    Fixture f;
    f.settings.phantomcard = PhantomCard::draw;
    WeekSheet sheet = f.fill();
    // Dan's card is drawn among Al (bye side) and Sam (on no side): the first, Al.
    EXPECT_EQ(drawcandidates(sheet, f.w.pairs[0], f.rounds),
              (std::vector<std::string>{"Al", "Sam"}));
    EXPECT_EQ(how(sheet, "Dan"), "draw Al");
    EXPECT_EQ(how(f.fill(sheet), "Dan"), "draw Al"); // filling again keeps it
    const SheetContext c = f.context();
    // Drawn again by hand: the next card; named by hand: that card.
    ASSERT_TRUE(setdraw(sheet, c, "Dan", std::nullopt));
    EXPECT_EQ(how(sheet, "Dan"), "draw Sam by hand");
    ASSERT_TRUE(setdraw(sheet, c, "Dan", "Al"));
    EXPECT_EQ(how(sheet, "Dan"), "draw Al by hand");
    // Al stands in for Carl: his card can no longer be drawn for this match and is drawn again.
    ASSERT_TRUE(setsubstitute(sheet, c, "Carl", "Al"));
    EXPECT_EQ(how(sheet, "Dan"), "draw Sam by hand");
    // A forfeit keeps no card drawn.
    ASSERT_TRUE(setforfeit(sheet, c, "Dan"));
    EXPECT_EQ(how(sheet, "Dan"), "forfeit by hand");
    EXPECT_TRUE(sheet.entry("Dan")->drawn.empty());
    // Sam absent elsewhere would not be drawn either: with nobody left, a par card.
    EXPECT_EQ(drawcandidates(sheet, f.w.pairs[0], {"Bill", "Ed", "Al"}),
              std::vector<std::string>{});
}

TEST(Sheet, aPlayerWhoMovedTeamKeepsHisSlotOfTheWeek) {
    Fixture f;
    WeekSheet sheet = f.fill();
    // Ed moves to the Owls, who then meet the Eagles that week instead of the Hawks.
    const std::vector<Side> moved = {
        eagleshawks[0], {"Hawks", {"Dan"}, {}}, {"Owls", {"Ed", "Al"}, {}}};
    f.w.pairs = {{"Eagles", "Owls"}, {"Hawks", ""}};
    fillsheet(sheet, f.w, moved, f.rounds, f.settings, {});
    ASSERT_NE(sheet.side("Owls"), nullptr);
    EXPECT_EQ(sheet.side("Owls")->entries.size(), 1u); // Al; Ed keeps his Hawks slot
    EXPECT_EQ(sheet.side("Hawks")->entries.size(), 2u);
}
