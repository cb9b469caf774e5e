// The match file (R2.5): written and read back whole, refused when damaged; the settings
// as the command line shows and changes them; renames.
#include "example.h"
#include "matchplay/matchfile.h"
#include "model/matchname.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using namespace greenfold;
using namespace greenfold::matchplay;
using namespace greenfold::matchplay::testing;

namespace {

Entry slot(std::string player, SlotKind kind = SlotKind::played, std::string sub = "",
           AbsentFill fill = AbsentFill::phantom, PhantomCard card = PhantomCard::par,
           std::string drawn = "", bool byhand = false) {
    return {std::move(player), kind, std::move(sub), fill, card, std::move(drawn), byhand};
}

// A season with a bit of everything: settings off their defaults, marks, a schedule with a
// position week, a postponed and a cancelled week, and sheets with every kind of slot.
MatchFile season() {
    MatchFile f;
    f.settings = teamsettings();
    f.settings.on = true;
    f.settings.holes = 18;
    f.settings.allowance = 0;
    f.settings.substitutecap = Points{11};
    f.settings.phantomcard = PhantomCard::draw;
    f.settings.tiebreaks = false;
    f.substituteonly = {"Sam", "Zed"};
    f.schedule =
        makeschedule({"Eagles", "Hawks", "Owls"}, {4, {5, 5, 26}, {{5, 19, 26}}, {3}}, f.settings);
    EXPECT_TRUE(postpone(f.schedule, 2, {}));
    EXPECT_TRUE(cancel(f.schedule, 4, {}));
    WeekSheet& w1 = f.sheetfor(1);
    w1.sides = {
        {"Eagles", {slot("Bill"), slot("Carl", SlotKind::substitute, "Sam", {}, {}, "", true)}},
        {"Hawks",
         {slot("Ed", SlotKind::absent, "", AbsentFill::phantom, PhantomCard::draw, "Al"),
          slot("Dan", SlotKind::absent, "", AbsentFill::forfeit, PhantomCard::par, "", true)}}};
    w1.typed = {{"Bill", -2}, {"Sam", 17}};
    f.sheetfor(2).sides = {
        {"Owls",
         {slot("Al"), slot("Zed", SlotKind::absent, "", {}, PhantomCard::teammate, "", true)}}};
    return f;
}

std::optional<MatchFile> read(const std::string& bytes) {
    std::istringstream in(bytes);
    return readmatch(in);
}

// The file with line k (0-based) replaced.
std::string withline(const std::string& bytes, std::size_t k, const std::string& line) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    lines.at(k) = line;
    std::string out;
    for (const std::string& l : lines) out += l + "\r\n";
    return out;
}

} // namespace

TEST(MatchFile, writtenAndReadBackWhole) {
    const MatchFile f = season();
    const std::string bytes = matchbytes(f);
    EXPECT_EQ(bytes.substr(0, 21), "Greenfold matches 1\r\n");
    const auto back = read(bytes);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, f);
    EXPECT_EQ(matchbytes(*back), bytes);
    EXPECT_EQ(read(matchbytes(MatchFile{})), MatchFile{});
    MatchFile first; // a season that starts with a week paired by position
    first.schedule = makeschedule({"Bill", "Ed"}, {2, {5, 5, 26}, {}, {1}}, first.settings);
    EXPECT_EQ(read(matchbytes(first)), first);
    // Line endings of LF alone are read too.
    std::string lf = bytes;
    std::erase(lf, '\r');
    EXPECT_EQ(read(lf), f);
    EXPECT_EQ(matchfilename("Spring.LGE"), "Spring.mat");
    EXPECT_EQ(matchfilename("spring.lge"), "spring.mat");
    EXPECT_EQ(matchfilename("Spring"), "Spring.mat");
}

TEST(MatchFile, aDamagedFileIsRefusedWhole) {
    const std::string bytes = matchbytes(season());
    // Cut anywhere short of the end.
    for (std::size_t cut = 0; cut + 2 < bytes.size(); cut += 7)
        ASSERT_FALSE(read(bytes.substr(0, cut)).has_value()) << cut;
    EXPECT_FALSE(read(bytes + "extra\r\n").has_value());
    EXPECT_FALSE(read(withline(bytes, 0, "Greenfold matches 2")).has_value());
    // Settings out of range: holes 10, a percentage of 101, hole points 10, a cap of 99.5.
    EXPECT_FALSE(read(withline(bytes, 3, " 10 ")).has_value());
    EXPECT_FALSE(read(withline(bytes, 5, " 101 ")).has_value());
    EXPECT_FALSE(read(withline(bytes, 9, " 10 ")).has_value());
    EXPECT_FALSE(read(withline(bytes, 22, " 199 ")).has_value());
    EXPECT_FALSE(read(withline(bytes, 2, "-1 ")).has_value());
    // A count beyond what the file can hold, a date that is no day, a name twice.
    EXPECT_FALSE(read(withline(bytes, 25, " 30000 ")).has_value());
    EXPECT_FALSE(read(withline(bytes, 29, "02/30/26")).has_value());
    EXPECT_FALSE(read(withline(bytes, 27, "Sam")).has_value());
    ASSERT_TRUE(read(withline(bytes, 29, "02/28/26")).has_value());
}

TEST(MatchFile, weeksAndSheetsAtOddsWithThemselvesAreRefused) {
    // Each the season written with one thing changed.
    auto refused = [](auto change) {
        MatchFile f = season();
        change(f);
        return !read(matchbytes(f)).has_value();
    };
    EXPECT_FALSE(refused([](MatchFile&) {}));
    // Two weeks 1; a side against itself; the bye first; paired but still marked unpaired.
    EXPECT_TRUE(refused([](MatchFile& f) { f.schedule.weeks[1].number = 1; }));
    EXPECT_TRUE(refused([](MatchFile& f) { f.schedule.weeks[0].pairs[0].side2 = "Hawks"; }));
    EXPECT_TRUE(refused([](MatchFile& f) { std::ranges::reverse(f.schedule.weeks[0].pairs); }));
    EXPECT_TRUE(refused([](MatchFile& f) { f.schedule.weeks[2].pairs = {{"Eagles", "Owls"}}; }));
    // A drawn card on a played slot; a player in two slots; two sheets for week 1; three slots.
    EXPECT_TRUE(refused([](MatchFile& f) { f.sheets[0].sides[0].entries[0].drawn = "Al"; }));
    EXPECT_TRUE(refused([](MatchFile& f) { f.sheets[0].sides[1].entries[1].player = "Bill"; }));
    EXPECT_TRUE(refused([](MatchFile& f) { f.sheets[1].week = 1; }));
    EXPECT_TRUE(refused([](MatchFile& f) { f.sheets[0].sides[0].entries.push_back(slot("Zed")); }));
}

TEST(MatchFile, renamesFollowThePlayersAndTeams) {
    MatchFile f = season();
    renameplayer(f, "Sam", "Samuel");
    renameplayer(f, "Al", "Alan");
    renameteam(f, "Owls", "Ravens");
    EXPECT_EQ(f.substituteonly[0], "Samuel");
    EXPECT_EQ(f.sheet(1)->entry("Carl")->substitute, "Samuel");
    EXPECT_EQ(f.sheet(1)->entry("Ed")->drawn, "Alan");
    EXPECT_EQ(f.sheet(1)->typed[1].name, "Samuel");
    EXPECT_EQ(f.sheet(2)->sides[0].side, "Ravens");
    EXPECT_EQ(f.schedule.weeks[0].pairs[0], (Pair{"Hawks", "Ravens"}));
    // In the individual format a player is a side.
    MatchFile single;
    single.schedule = makeschedule({"Al", "Bill"}, {1, {5, 5, 26}, {}, {}}, {});
    renameplayer(single, "Al", "Alan");
    EXPECT_EQ(single.schedule.weeks[0].pairs[0], (Pair{"Alan", "Bill"}));
    marksubstituteonly(single, "Bill", true);
    marksubstituteonly(single, "Bill", true);
    EXPECT_EQ(single.substituteonly, std::vector<std::string>{"Bill"});
    marksubstituteonly(single, "Bill", false);
    EXPECT_TRUE(single.substituteonly.empty());
}

TEST(Settings, printedAsKeyValueLinesAndChangedOneAtATime) {
    MatchSettings s = defaultsettings(true);
    EXPECT_EQ(settinglines(s), (std::vector<std::string>{"match-play=off",
                                                         "format=teams",
                                                         "holes=9",
                                                         "nines=alternate",
                                                         "allowance=100",
                                                         "best-ball-allowance=90",
                                                         "strokes=difference",
                                                         "max-strokes=0",
                                                         "hole-points=1",
                                                         "halved=split",
                                                         "nine-holes-points=0",
                                                         "nine-net-points=0",
                                                         "match-holes-points=2",
                                                         "match-net-points=0",
                                                         "team-net-points=1",
                                                         "team-aggregate-points=0",
                                                         "best-ball-points=0",
                                                         "absent=phantom",
                                                         "phantom-card=par",
                                                         "penalty=2",
                                                         "phantom-points=count",
                                                         "substitute-cap=none",
                                                         "bye-points=0",
                                                         "tie-breaks=on"}));
    for (const char* kv :
         {"match-play=on", "holes=18", "nines=back", "strokes=full", "max-strokes=54",
          "halved=carry", "absent=forfeit", "phantom-card=teammate", "phantom-points=lost",
          "substitute-cap=5.5", "bye-points=99", "tie-breaks=off", "allowance=0", "penalty=9"})
        ASSERT_TRUE(applysetting(s, kv)) << kv;
    const auto lines = settinglines(s);
    EXPECT_EQ(std::tuple(lines[0], lines[2], lines[4]),
              std::tuple("match-play=on", "holes=18", "allowance=0"));
    EXPECT_EQ(lines[21], "substitute-cap=5.5");
    ASSERT_TRUE(applysetting(s, "substitute-cap=7"));
    EXPECT_EQ(s.substitutecap, Points::whole(7));
    ASSERT_TRUE(applysetting(s, "substitute-cap=none"));
    EXPECT_FALSE(s.substitutecap.has_value());
    // Refused, naming the key, and nothing changed.
    const MatchSettings before = s;
    for (const char* kv :
         {"holes=10", "allowance=101", "hole-points=10", "max-strokes=55", "substitute-cap=0",
          "substitute-cap=99.5", "substitute-cap=5.25", "nines=middle", "penalty=", "penalty",
          "bye-points=-1", "format=pairs"}) {
        const Outcome o = applysetting(s, kv);
        ASSERT_FALSE(o) << kv;
        const std::string key = std::string(kv).substr(0, std::string(kv).find('='));
        EXPECT_EQ(o.messages.at(0).text.rfind(key + ":", 0), 0u) << o.messages[0].text;
    }
    EXPECT_EQ(s, before);
    const Outcome unknown = applysetting(s, "colour=red");
    EXPECT_FALSE(unknown);
    EXPECT_NE(unknown.messages.at(0).text.find("colour"), std::string::npos);
}
