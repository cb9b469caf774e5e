// Importing a night of scores: the rounds the score window would record, or nothing.
#include "cli/clifolder.h"
#include "cli/csvfile.h"
#include "cli/importrows.h"
#include "cli/roundexport.h"
#include "model/coursefile.h"
#include "scoring/roundslots.h"
#include "scoring/scorecard.h"
#include "scoring/scoreentry.h"

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

// The round as the score window holds it once the digits were typed into the boxes.
DisplayedRound typed(const std::string& digits, int tee) {
    DisplayedRound d;
    d.tee = tee;
    for (int h = 1; h <= 18; ++h)
        d.holes[h] = holebox(digits.substr(std::size_t(h - 1), 1), h, true).text;
    d.out = outtotal(d.holes);
    d.in = intotal(d.holes);
    return d;
}

// What the score window does when Record is pressed for a new round.
void typeround(GOLF1& g, int player, int month, int day, int year, const DisplayedRound& shown) {
    ScoreSession at;
    at.course = 1;
    at.month = month;
    at.day = day;
    at.year = year;
    at.player = player;
    ASSERT_TRUE(checkround(g, at.entry(shown)));
    ASSERT_TRUE(recordround(g, at.entry(EQadjust(g, at.entry(shown)))).stored);
}

class Import : public CliFolder {};

TEST_F(Import, thenExport_roundTripsTheScores) {
    // Dates after every round of the demo league, so the new rounds are easy to pick out.
    const std::string night =
        heading + "07/01/26,Bill Archer,cedar ridge,Mens" + holes("545444365454544354") +
        "\r\n2026-07-02,Dana Brooks,Willow Creek (9),1,52,0\r\n" +
        "7/3/26,Ed Castillo,CEDAR RIDGE,pro" + holes("656555476565655465") + "\r\n";
    const fs::path csv = writecsv(night);
    const CliRun in = run({"import", cliLeague, csv.string()});
    ASSERT_EQ(in.status, exit_ok) << in.err;
    EXPECT_EQ(in.err, "greenfold-cli: recorded 3 rounds in Tuesday Night League.LGE\n");

    const CliRun out = run({"export", cliLeague});
    ASSERT_EQ(out.status, exit_ok) << out.err;
    std::vector<std::vector<std::string>> exported;
    for (const auto& r : readcsv(out.out))
        if (r.cells.size() > 1 && r.cells[1].starts_with("2026-07")) exported.push_back(r.cells);
    ASSERT_EQ(exported.size(), 3u);
    const auto& bill = exported[0];
    EXPECT_EQ(std::vector<std::string>(bill.begin(), bill.begin() + 4),
              (std::vector<std::string>{"Bill Archer", "2026-07-01", "Cedar Ridge", "CR"}));
    std::string billholes;
    for (int h = 1; h <= 18; ++h) billholes += bill[std::size_t(3 + h)];
    EXPECT_EQ(billholes, "545444365454544354");
    EXPECT_EQ(bill[22] + "," + bill[23] + "," + bill[24], "40,38,78");
    const auto& dana = exported[1];
    EXPECT_EQ(dana[2], "Willow Creek (9)");
    EXPECT_EQ(dana[4], "0");
    EXPECT_EQ(dana[22] + "," + dana[23], "52,0");
    EXPECT_EQ(exported[2][0], "Ed Castillo");
    EXPECT_EQ(exported[2][24], "96");
    // Differential, index and course handicap are the engine's stored values.
    auto g = league();
    const int r = g->roundcount[1];
    EXPECT_EQ(bill, roundcells(*g, 1, r));
}

TEST_F(Import, csvNight_equalsTheSameNightTyped_byteForByte) {
    // Stroke control on, a hole above every limit, a nine played as totals only, and
    // Hank Foster (12 rounds) passing 20 so his oldest rounds are dropped.
    strokecontrolon();
    std::string night =
        heading + "05/19/26,Bill Archer,Cedar Ridge,2" + holes("549444365454544354") + "\r\n";
    night += "05/19/26,Ed Castillo,Cedar Ridge,2,49,47\r\n";
    for (int d = 1; d <= 10; ++d)
        night += "06/" + std::to_string(10 + d) + "/26,Hank Foster,Cedar Ridge,Mens" +
                 holes("656555476565655465") + "\r\n";
    const fs::path csv = writecsv(night);

    TempDir typedfolder;
    auto g = league();
    typeround(*g, 1, 5, 19, 26, typed("549444365454544354", tee_mens));
    DisplayedRound totals;
    totals.tee = tee_mens;
    totals.out = "49";
    totals.in = "47";
    typeround(*g, 3, 5, 19, 26, totals);
    for (int d = 1; d <= 10; ++d)
        typeround(*g, 6, 6, 10 + d, 26, typed("656555476565655465", tee_mens));
    ASSERT_TRUE(saveleague(*g, typedfolder.path()));

    const CliRun in = run({"import", cliLeague, csv.string()});
    ASSERT_EQ(in.status, exit_ok) << in.err;
    EXPECT_EQ(leaguebytesondisk(), readbytes(typedfolder.path() / cliLeagueFile));
    auto after = league();
    EXPECT_EQ(after->roundcount[6], 20);
    // Bill's course handicap of 22 holds the 9 on the par 3 to 8.
    EXPECT_EQ(after->holescore[1][after->roundcount[1]][3], 8);
}

struct BadRow {
    const char* name;
    std::string row;
    std::string reason;
};

void PrintTo(const BadRow& row, std::ostream* os) {
    *os << row.name;
}

class BadRows : public Import, public ::testing::WithParamInterface<BadRow> {};

const std::string good = holes("545444365454544354");

INSTANTIATE_TEST_SUITE_P(
    EachClass, BadRows,
    ::testing::Values(
        BadRow{"unknownPlayer", "05/19/26,Bil Archer,Cedar Ridge,2" + good,
               "no player named 'Bil Archer' in the league"},
        BadRow{"playerNameNotExact", "05/19/26,bill archer,Cedar Ridge,2" + good,
               "no player named 'bill archer' in the league"},
        BadRow{"unknownCourse", "05/19/26,Bill Archer,Pine Valley,2" + good,
               "no course named 'Pine Valley'"},
        BadRow{"badDate", "05/32/26,Bill Archer,Cedar Ridge,2" + good,
               "'05/32/26' is not a day of the calendar"},
        BadRow{"badTee", "05/19/26,Bill Archer,Cedar Ridge,Blue" + good,
               "'Blue' is not a tee (1, 2, 3, Ladies, Mens or Pro)"},
        BadRow{"nonNumericScore", "05/19/26,Bill Archer,Cedar Ridge,2,5,4,4,x" + good.substr(8),
               "hole 4 'x' is not a number of strokes"},
        BadRow{"negativeScore", "05/19/26,Bill Archer,Cedar Ridge,2,5,-3" + good.substr(4),
               "hole 2 '-3' is negative"},
        BadRow{"fractionOfAStroke", "05/19/26,Bill Archer,Cedar Ridge,2,40,38.5",
               "in total '38.5' is not a number of strokes"},
        BadRow{"wrongColumnCount", "05/19/26,Bill Archer,Cedar Ridge,2,40,38,78",
               "7 columns; a row has 22 (date, player, course, tee, 18 holes) or 6 (date, "
               "player, course, tee, out, in)"},
        BadRow{"bothTotalsZero", "05/19/26,Bill Archer,Cedar Ridge,2,0,",
               "the out and in totals are both 0"},
        BadRow{"slopeZero", "05/19/26,Bill Archer,Willow Creek (9),Ladies,44,0",
               "This course has no slope rating for the selected tee. Set the slope in the "
               "course window before recording the round."}),
    [](const ::testing::TestParamInfo<BadRow>& row) { return std::string(row.param.name); });

TEST_P(BadRows, refusedWithItsRowNumber_andNothingWritten) {
    auto courses = std::make_unique<GOLF1>();
    ASSERT_TRUE(loadcourses(*courses, data.path()));
    courses->coursedata[2][courseline_slope0 + tee_ladies] = " 0";
    ASSERT_TRUE(savecourses(*courses, data.path()));
    const auto before = folderbytes(data.path());

    const fs::path csv = writecsv(heading + "05/19/26,Ed Castillo,Cedar Ridge,2" + good + "\r\n" +
                                  GetParam().row + "\r\n");
    const CliRun in = run({"import", cliLeague, csv.string()});
    EXPECT_EQ(in.status, exit_data);
    EXPECT_EQ(in.err, "greenfold-cli: " + csv.string() + ", row 3: " + GetParam().reason +
                          "\ngreenfold-cli: 1 row refused; nothing was recorded\n");
    EXPECT_EQ(folderbytes(data.path()), before);
    EXPECT_EQ(in.out, "");
}

TEST_F(Import, everyBadRowIsReported_inRowOrder) {
    const fs::path csv = writecsv("05/19/26,Nobody,Cedar Ridge,2,40,38\n"
                                  "\n"
                                  "05/19/26,Bill Archer,Cedar Ridge,2,40,38\n"
                                  "05/19/26,Bill Archer,Cedar Ridge,\"2,40,38\n");
    const std::string before = leaguebytesondisk();
    const CliRun in = run({"import", cliLeague, csv.string()});
    EXPECT_EQ(in.status, exit_data);
    const std::string file = csv.string();
    EXPECT_EQ(in.err, "greenfold-cli: " + file +
                          ", row 1: no player named 'Nobody' in the league\n" +
                          "greenfold-cli: " + file + ", row 4: a quoted cell is not closed\n" +
                          "greenfold-cli: 2 rows refused; nothing was recorded\n");
    EXPECT_EQ(leaguebytesondisk(), before);
}

TEST_F(Import, dryRun_printsTheRoundsAsTheyWouldBeKept_andWritesNothing) {
    // No header; a blank spreadsheet row; an empty tee is the player's own (Frank: Pro).
    const fs::path csv = writecsv("05/19/26,Frank Doyle,Willow Creek (9),,40,0\r\n,,,\r\n"
                                  "05/19/26,Bill Archer,Cedar Ridge,2,40,38\r\n");
    const auto before = folderbytes(data.path());
    const CliRun dry = run({"import", cliLeague, csv.string(), "--dry-run"});
    ASSERT_EQ(dry.status, exit_ok) << dry.err;
    EXPECT_EQ(folderbytes(data.path()), before);

    ASSERT_EQ(run({"import", cliLeague, csv.string()}).status, exit_ok);
    auto g = league();
    EXPECT_EQ(dry.out, csvline(exportheading()) + csvline(roundcells(*g, 4, g->roundcount[4])) +
                           csvline(roundcells(*g, 1, g->roundcount[1])));
}

TEST_F(Import, nothingToImport_orNothingToRead_isBadData) {
    const auto before = folderbytes(data.path());
    EXPECT_EQ(run({"import", cliLeague, writecsv(heading).string()}).status, exit_data);
    const CliRun missing = run({"import", cliLeague, (csvdir.path() / "none.csv").string()});
    EXPECT_EQ(missing.status, exit_data);
    EXPECT_NE(missing.err.find("cannot read"), std::string::npos);
    EXPECT_EQ(run({"import", "Thursday", writecsv(heading).string()}).status, exit_data);
    EXPECT_EQ(folderbytes(data.path()), before);
}

} // namespace
