// A night typed in the score window, its results on screen, on paper and as a PDF, and
// the competition settings changing how it is scored and adding skins.
#include "platform/qtprintsurface.h"
#include "results/ui/nightresultswindow.h"
#include "support/windowfixture.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QRadioButton>

#include <cstdlib>
#include <cstring>
#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using ResultsWindows = DemoWindows;

// Place, player, gross, gross place, handicap, net, net place, points, in their columns.
std::string row(const char* place, const std::string& name, const char* rest) {
    return std::string(5 - std::strlen(place), ' ') + place + "  " + name +
           std::string(22 - name.size(), ' ') + rest;
}

} // namespace

TEST_F(ResultsWindows, aTypedNightIsScoredShownPrintedAndScoredAgainOnGross) {
    // Bill (index 15.6) and Ed (14.2) both go round Cedar Ridge's Mens tee (117) in 78:
    // handicaps Int(16.15 + .5) = 16 and Int(14.70 + .5) = 15, nets 62 and 63. The demo's
    // season is put aside for a new one with the competition's first settings.
    writebytes(data.path() / "Tuesday Night League.res", resultsbytes(ResultsFile{}));
    QWidget* rounds = enterrounds({0, 2});
    ASSERT_NE(rounds, nullptr);
    for (const char* next : {"Ed Castillo", ""}) {
        typekeys(rounds, "545444365454544354");
        click(rounds, "recordbutton");
        ASSERT_TRUE(waitfor([&] {
            return *next ? label(rounds, "Pnamelabel") == next : window("roundsform") == nullptr;
        }));
    }
    QWidget* night = open("nightresultsmenu", "Nightform");
    ASSERT_NE(night, nullptr);
    const Lines shown = lines(control<QListWidget>(night, "List1"));
    const Lines want = {row("1", "Bill Archer", "   78     1      16    62     1      10"),
                        row("2", "Ed Castillo", "   78     1      15    63     2       8")};
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(Lines(shown.end() - 2, shown.end()), want);
    click(night, "Printbutton");
    ASSERT_EQ(printouts.size(), 1u);
    const Lines printed = printouts[0]->alllines();
    EXPECT_EQ(printouts[0]->orientation, orientation_portrait);
    EXPECT_EQ(Lines(printed.end() - 2, printed.end()), want);
    click(night, "Donebutton");

    // The same window printing where there is no printer: a PDF whose text reads the same.
    TempDir pdfdir;
    const std::string pdf = (pdfdir.path() / "night.pdf").string();
    fake.dialogs.files = {pdf};
    QtPrinting qtprinting(fake.dialogs);
    Services services{fake.dialogs, fake.help, fake.display, fake.busy, qtprinting};
    NightResultsWindow topdf(*g, services, data.path(), mainwindow.get());
    topdf.load();
    topdf.print();
    topdf.close();
    EXPECT_EQ(readbytes(pdf).substr(0, 5), "%PDF-");
    if (std::system("pdftotext -v >/dev/null 2>&1") == 0) {
        const std::string text = pdfdir.path() / "night.txt";
        ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + text + "'").c_str()), 0);
        // The PDF's text keeps the words of each line, not its spaces.
        std::istringstream read(readbytes(text));
        std::string words;
        for (std::string word; read >> word;) words += word + " ";
        EXPECT_NE(words.find("1 Bill Archer 78 1 16 62 1 10 2 Ed Castillo 78 1 15 63 2 8"),
                  std::string::npos)
            << words;
    }

    // On gross the two 78s share 1st and 2nd: 9 points each.
    QWidget* settings = open("competitionmenu", "Compform");
    ASSERT_NE(settings, nullptr);
    control<QRadioButton>(settings, "Option1_1")->click();
    click(settings, "Savebutton");
    EXPECT_EQ(window("Compform"), nullptr);
    night = open("nightresultsmenu", "Nightform");
    const Lines gross = lines(control<QListWidget>(night, "List1"));
    EXPECT_EQ(gross.back(), row("1", "Ed Castillo", "   78     1      15    63     2       9"));
    click(night, "Donebutton");

    // Gross skins at 1.25: the two 78s are alike hole for hole, so no skin is won and the
    // pot of 2.50 stays; the sheet prints on its own.
    settings = open("competitionmenu", "Compform");
    control<QComboBox>(settings, "Skinscombo")->setCurrentIndex(1);
    control<QDoubleSpinBox>(settings, "Stakespin")->setValue(1.25);
    click(settings, "Savebutton");
    night = open("nightresultsmenu", "Nightform");
    const std::string nopot = "No skin won: the pot of 2.50 is not paid out";
    EXPECT_EQ(lines(control<QListWidget>(night, "List1")).back(), nopot);
    click(night, "Skinsbutton");
    ASSERT_EQ(printouts.size(), 2u);
    EXPECT_EQ(printouts[1]->alllines().back(), nopot);
}
