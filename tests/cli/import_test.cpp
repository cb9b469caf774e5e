// Importing a night of scores: the rounds the score window would record, or nothing.
#include "cli/clifolder.h"
#include "cli/csvfile.h"
#include "cli/importrows.h"
#include "cli/roundexport.h"
#include "model/settingsfile.h"
#include "scoring/roundslots.h"
#include "scoring/scorecard.h"
#include "scoring/scoreentry.h"

#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const std::string heading =
    "Date,Player,Course,Tee,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n";

std::string holes(const std::string& digits) {
    std::string out;
    for (char c : digits) out += std::string(",") + c;
    return out;
}
const std::string good = holes("545444365454544354");

// The round as the score window holds it once the digits were typed.
DisplayedRound typed(const std::string& digits, int tee) {
    DisplayedRound d{tee, {}, "", ""};
    for (int h = 1; h <= 18; ++h)
        d.holes[h] = holebox(digits.substr(std::size_t(h - 1), 1), h, true).text;
    d.out = outtotal(d.holes);
    d.in = intotal(d.holes);
    return d;
}

// What the score window does when Record is pressed for a new round in May or June 2026.
void typeround(ProgramState& g, int player, int course, int month, int day,
               const DisplayedRound& shown) {
    const RoundEntry at{player, 0, course, month, day, 26, shown};
    ASSERT_TRUE(checkround(g, at));
    ASSERT_TRUE(recordround(g, {player, 0, course, month, day, 26, EQadjust(g, at)}).stored);
}

// What greenfold-cli says of row `row` of the CSV file, and of a row it skips as recorded.
std::string said(const fs::path& csv, int row, const std::string& text) {
    return "greenfold-cli: " + csv.string() + ", row " + std::to_string(row) + ": " + text + "\n";
}
std::string skipped(const fs::path& csv, int row, const std::string& player) {
    return said(csv, row, player + " already has this round on 07/07/26; skipped");
}

class Import : public CliFolder {};

TEST_F(Import, csvNight_equalsTheSameNightTyped_byteForByte) {
    // Stroke control on, a 9 on a par 3, totals only, names written every way; Hank passes 20.
    ProgramState settings;
    settings.escflag = 5;
    ASSERT_TRUE(savesettings(settings, sys.path().string() + "/"));
    std::string night = heading + "05/20/26,Bill Archer,cedar ridge,mens" +
                        holes("549444365454544354") + "\r\n" +
                        "2026-05-20,Ed Castillo,CEDAR RIDGE,2,49,47\r\n" +
                        "5/20/26,Dana Brooks,Willow Creek (9),1,52,0\r\n";
    for (int d = 1; d <= 10; ++d)
        night += "07/" + std::to_string(10 + d) + "/26,Hank Foster,Cedar Ridge,pro" +
                 holes("656555476565655465") + "\r\n";

    TempDir typedfolder;
    auto g = league();
    typeround(*g, 1, 1, 5, 20, typed("549444365454544354", tee_mens));
    typeround(*g, 3, 1, 5, 20, {tee_mens, {}, "49", "47"}); // the two totals typed
    typeround(*g, 2, 2, 5, 20, {tee_ladies, {}, "52", "0"});
    for (int d = 1; d <= 10; ++d)
        typeround(*g, 6, 1, 7, 10 + d, typed("656555476565655465", tee_pro));
    ASSERT_TRUE(saveleague(*g, typedfolder.path()));

    const CliRun in = run({"import", cliLeague, writecsv(night).string()});
    ASSERT_EQ(in.status, exit_ok) << in.err;
    EXPECT_EQ(in.err, "greenfold-cli: recorded 13 rounds in Tuesday Night League.LGE\n");
    EXPECT_EQ(readbytes(data.path() / cliLeagueFile),
              readbytes(typedfolder.path() / cliLeagueFile));
    EXPECT_EQ(g->roundcount[6], 20);
    // Bill's course handicap of 16 holds the 9 on the par 3 to 7.
    EXPECT_EQ(g->holescore[1][g->roundcount[1]][3], 7);
}

TEST_F(Import, everyBadRowIsReportedInRowOrder_andNothingIsWritten) {
    // Willow Creek's Ladies tee has no slope: refused on recording, still in row order.
    auto courses = std::make_unique<ProgramState>();
    ASSERT_TRUE(loadcourses(*courses, data.path()));
    courses->coursedata[2][courseline_slope0 + tee_ladies] = " 0";
    ASSERT_TRUE(savecourses(*courses, data.path()));
    const auto before = folderbytes(data.path());

    const std::string bill = "05/20/26,Bill Archer,";
    const std::pair<std::string, std::string> rows[] = {
        {bill + "Willow Creek (9),Ladies,44,0",
         "This course has no slope rating for the selected tee. Set the slope in the course "
         "window before recording the round."},
        {"05/20/26,Bil Archer,Cedar Ridge,2" + good, "no player named 'Bil Archer' in the league"},
        {"05/20/26,bill archer,Cedar Ridge,2" + good,
         "no player named 'bill archer' in the league"},
        {bill + "Pine Valley,2" + good, "no course named 'Pine Valley'"},
        {"05/32/26,Bill Archer,Cedar Ridge,2" + good, "'05/32/26' is not a day of the calendar"},
        {bill + "Cedar Ridge,Blue" + good, "'Blue' is not a tee (1, 2, 3, Ladies, Mens or Pro)"},
        {bill + "Cedar Ridge,2,5,4,4,x" + good.substr(8), "hole 4 'x' is not a number of strokes"},
        {bill + "Cedar Ridge,2,5,-3" + good.substr(4), "hole 2 '-3' is negative"},
        {bill + "Cedar Ridge,2,40,38.5", "in total '38.5' is not a number of strokes"},
        {bill + "Cedar Ridge,2,40,38,78",
         "7 columns; a row has 22 (date, player, course, tee, 18 holes) or 6 (date, player, "
         "course, tee, out, in)"},
        {bill + "Cedar Ridge,2,0,", "the out and in totals are both 0"},
        {bill + "Cedar Ridge,\"2,40,38", "a quoted cell is not closed"},
    };
    // Rows count records: the heading is row 1 and the empty line row 3.
    std::string night = heading + "05/20/26,Ed Castillo,Cedar Ridge,2" + good + "\r\n\r\n";
    const fs::path csv = csvdir.path() / "night.csv";
    std::string expected;
    int row = 3;
    for (const auto& [text, reason] : rows) {
        night += text + "\r\n";
        expected += said(csv, ++row, reason);
    }
    const CliRun in = run({"import", cliLeague, writecsv(night).string()});
    EXPECT_EQ(std::tuple(in.status, in.err, in.out),
              std::tuple(exit_data,
                         expected + "greenfold-cli: 12 rows refused; nothing was recorded\n", ""));
    EXPECT_EQ(folderbytes(data.path()), before);
}

TEST_F(Import, nothingToReadOrADryRun_writesNothing) {
    const auto before = folderbytes(data.path());
    EXPECT_EQ(run({"import", cliLeague, writecsv(heading).string()}).status, exit_data);
    const CliRun missing = run({"import", cliLeague, (csvdir.path() / "none.csv").string()});
    EXPECT_TRUE(missing.status == exit_data &&
                missing.err.find("cannot read") != std::string::npos);
    EXPECT_EQ(run({"import", "Thursday", writecsv(heading).string()}).status, exit_data);

    // No header; a blank spreadsheet row; an empty tee is the player's own (Frank: Pro).
    const fs::path csv = writecsv("05/20/26,Frank Doyle,Willow Creek (9),,40,0\r\n,,,\r\n"
                                  "05/20/26,Bill Archer,Cedar Ridge,2,40,38\r\n");
    const CliRun dry = run({"import", cliLeague, csv.string(), "--dry-run"});
    ASSERT_EQ(dry.status, exit_ok) << dry.err;
    EXPECT_EQ(folderbytes(data.path()), before);
    // The rounds printed are those a real import keeps.
    ASSERT_EQ(run({"import", cliLeague, csv.string()}).status, exit_ok);
    auto g = league();
    EXPECT_EQ(dry.out, csvline(exportheading()) + csvline(roundcells(*g, 4, g->roundcount[4])) +
                           csvline(roundcells(*g, 1, g->roundcount[1])));
}

} // namespace

TEST_F(Import, aRoundAlreadyRecordedIsSkipped_anotherOnItsDateNeedsToBeAllowed) {
    // Stroke control lowers Bill's 9 on the par 3: the lowered hole is still his round.
    ProgramState settings;
    settings.escflag = 5;
    ASSERT_TRUE(savesettings(settings, sys.path().string() + "/"));
    const fs::path first =
        writecsv("07/07/26,Bill Archer,Cedar Ridge,2" + holes("549444365454544354") +
                 "\r\n07/07/26,Ed Castillo,Cedar Ridge,2,49,47\r\n");
    ASSERT_EQ(run({"import", cliLeague, first.string()}).status, exit_ok);
    const auto once = folderbytes(data.path());
    const CliRun again = run({"import", cliLeague, first.string()});
    EXPECT_EQ(std::tuple(again.status, again.err),
              std::tuple(exit_ok, skipped(first, 1, "Bill Archer") +
                                      skipped(first, 2, "Ed Castillo") + "greenfold-cli: every " +
                                      "round of " + first.string() +
                                      " is recorded already; nothing was written\n"));
    EXPECT_EQ(folderbytes(data.path()), once);

    // Ed's card again beside a different one of his, and Jack's first: a dry run shows both
    // kinds; the second round is refused until it is allowed.
    const fs::path second = writecsv("07/07/26,Ed Castillo,Cedar Ridge,2,49,47\r\n"
                                     "07/07/26,Ed Castillo,Cedar Ridge,2,50,47\r\n"
                                     "07/07/26,Jack Hughes,Cedar Ridge,2,50,50\r\n");
    const CliRun dry = run({"import", cliLeague, second.string(), "--dry-run"});
    EXPECT_EQ(dry.err, skipped(second, 1, "Ed Castillo") +
                           said(second, 2,
                                "Ed Castillo already has a round on 07/07/26; "
                                "--allow-second-round records a second one") +
                           "greenfold-cli: 1 row refused; nothing was recorded\n");
    EXPECT_EQ(run({"import", cliLeague, second.string()}).status, exit_data);
    EXPECT_EQ(folderbytes(data.path()), once);
    const CliRun allowed = run({"import", cliLeague, second.string(), "--allow-second-round"});
    EXPECT_EQ(allowed.status, exit_ok) << allowed.err;
    auto g = league();
    const int ed = findplayer(*g, "Ed Castillo");
    EXPECT_EQ(g->holescore[ed][g->roundcount[ed]][19], 50); // his second round is his newest
}
