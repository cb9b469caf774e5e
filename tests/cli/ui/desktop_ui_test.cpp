// A league night typed through the windows gives the same league file as that night
// imported from a spreadsheet with the command line.
#include "cli/cliargs.h"
#include "cli/commands.h"
#include "model/settingsfile.h"
#include "support/windowfixture.h"

#include <QCheckBox>
#include <QDate>
#include <QRadioButton>

#include <algorithm>
#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

constexpr int bill = 1;

// Tonight's rounds of Bill Archer (his first three holes given, the rest as typed in the
// tests) and Ed Castillo (totals only), imported by greenfold-cli into a data folder with
// the settings folder sysdir.
void importnight(const fs::path& folder, const fs::path& sysdir, const std::string& billstart) {
    const QDate now = QDate::currentDate();
    const std::string date = now.toString("MM/dd/yy").toStdString();
    const fs::path csv = folder / "night.csv";
    writebytes(csv, date + ",Bill Archer,Cedar Ridge,Mens," + billstart +
                        ",4,4,4,3,6,5,4,5,4,5,4,4,3,5,4\r\n" + date +
                        ",Ed Castillo,Cedar Ridge,Mens,49,47\r\n");
    std::ostringstream out, err;
    CliContext cli{out, err, sysdir.string() + "/", {now.year(), now.month(), now.day()}};
    ASSERT_EQ(
        runcli({"--dir", folder.string(), "import", "Tuesday Night League", csv.string()}, cli),
        exit_ok)
        << err.str();
}

} // namespace

TEST_F(DemoWindows, nightTypedThroughTheWindows_equalsTheNightImported) {
    // Stroke control on: Bill's 9 on the par 3 is held to his limit either way.
    ProgramState settings;
    settings.escflag = 5;
    ASSERT_TRUE(savesettings(settings, sys.path().string() + "/"));
    TempDir imported;
    for (const auto& f : fs::directory_iterator(data.path()))
        fs::copy_file(f.path(), imported.path() / f.path().filename());
    start();
    const QString billline = mainwindow->list2()->item(2)->text();
    QWidget* rounds = enterrounds({0, 2, 5}); // Bill Archer, Ed Castillo, Hank Foster
    ASSERT_NE(rounds, nullptr);
    EXPECT_EQ(rounds->windowTitle(), "Enter Scores");
    EXPECT_EQ(texts(rounds, {"Pnamelabel", "TotalLabel"}), (Lines{"Bill Archer", " 72"}));
    EXPECT_TRUE(control<QRadioButton>(rounds, "teebutton_2")->isChecked());
    typekeys(rounds, "549444365454544354");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([&] { return label(rounds, "Pnamelabel") == "Ed Castillo"; }));
    EXPECT_EQ(rounds->focusWidget()->objectName(), "scoretext_1");
    control<QLineEdit>(rounds, "outscoretext")->setText("49");
    control<QLineEdit>(rounds, "inscoretext")->setText("47");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([&] { return label(rounds, "Pnamelabel") == "Hank Foster"; }));
    click(rounds, "skipbutton");
    EXPECT_EQ(window("roundsform"), nullptr);
    EXPECT_TRUE(mainwindow->isEnabled());
    // The view timer redraws the most recent rounds with the new ones.
    EXPECT_TRUE(waitfor([&] { return mainwindow->list2()->item(2)->text() != billline; }));

    importnight(imported.path(), sys.path(), "5,4,9");
    EXPECT_EQ(readbytes(imported.path() / demoleague), readbytes(leaguefile()));
    EXPECT_NE(readbytes(leaguefile()), readbytes(demofolder / demoleague));
}

// The same under the World Handicap System: the switch in the settings window works the
// league out again, Cedar Ridge gets its stroke indexes in the course window, and the night
// typed with the calculation panel open is stored as the import stores it, league and index
// history alike.
class WhsNight : public DemoWindows {
  protected:
    void switchtowhs() {
        QWidget* w = open("settingsmenu", "Setfont");
        control<QRadioButton>(w, "methodoption_2")->click();
        EXPECT_FALSE(control<QLineEdit>(w, "hcptext")->isEnabled());
        EXPECT_FALSE(control<QCheckBox>(w, "Equitablecheck")->isEnabled());
        EXPECT_TRUE(control<QCheckBox>(w, "Averagecheck")->toolTip().startsWith("Not used by"));
        control<QComboBox>(w, "allowancecombo")->setEditText("95");
        fake.dialogs.answers = {Answer::cancel};
        click(w, "okbutton"); // Cancel: the window stays and nothing changes
        ASSERT_EQ(window("Setfont"), w);
        EXPECT_EQ(g->method, HandicapMethod::classic);
        const auto& question = fake.dialogs.shown.at(0);
        EXPECT_EQ(std::tuple(question.message.title, question.buttons, question.defaultbutton),
                  std::tuple("Handicap Method", Buttons::yesnocancel, Answer::cancel));
        EXPECT_TRUE(question.message.details.starts_with("Player "));
        EXPECT_NE(question.message.details.find("Bill Archer"), std::string::npos);
        fake.dialogs.answers = {Answer::yes};
        click(w, "okbutton");
        EXPECT_EQ(window("Setfont"), nullptr);
        EXPECT_EQ(std::tuple(g->method, g->allowance), std::tuple(HandicapMethod::whs, 95));
        EXPECT_EQ(readbytes(sys.path() / "greenfold.ini"), "method=whs\r\nallowance=95\r\n");
        EXPECT_EQ(readbytes(data.path() / (std::string(demoleague) + ".before-replay")),
                  readbytes(demofolder / demoleague));
    }
    void strokeindexes() {
        mainwindow->action("GCmenu_2")->trigger();
        mainwindow->findChild<QComboBox*>("Selectcoursecombo")->setEditText("Cedar Ridge");
        mainwindow->findChild<QPushButton*>("okordeletebutton")->click();
        QWidget* editor = window("course");
        ASSERT_NE(editor, nullptr);
        for (int h = 1; h <= 18; ++h) // the demo's own, typed again
            control<QLineEdit>(editor, ("sitext_" + std::to_string(h)).c_str())->clear();
        control<QLineEdit>(editor, "sitext_1")->setFocus();
        typekeys(editor, "7\n15\n1\n11\n3\n17\n5\n13\n9\n8\n16\n2\n12\n4\n18\n6\n14\n10");
        click(editor, "savebutton");
        EXPECT_EQ(window("course"), nullptr);
        EXPECT_EQ(g->coursedata[1][courseline_strokeindex],
                  "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10");
    }
};

TEST_F(WhsNight, switchStrokeIndexesAndANightWithThePanel_equalTheNightImported) {
    switchtowhs();
    strokeindexes();
    TempDir imported;
    for (const auto& f : fs::directory_iterator(data.path()))
        fs::copy_file(f.path(), imported.path() / f.path().filename());

    const QString billline = mainwindow->list2()->item(2)->text();
    QWidget* rounds = enterrounds({0, 2}); // Bill Archer, Ed Castillo
    ASSERT_NE(rounds, nullptr);
    EXPECT_TRUE(label(rounds, "eqlabel").startsWith("Net double bogey is active"));
    click(rounds, "Command3D1");
    auto* next = control<QPushButton>(rounds, "continuebutton");
    typekeys(rounds, "5412444365454544354"); // a 12 on the third
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([&] { return next->isVisible(); }));
    Lines panel = lines(control<QListWidget>(rounds, "List1"));
    const QString hole3 = box(rounds, "scoretext_3");
    click(rounds, "continuebutton");
    ASSERT_EQ(label(rounds, "Pnamelabel"), "Ed Castillo");
    const auto counted = std::find_if(panel.begin(), panel.end(), [](const std::string& l) {
        return l.starts_with("  hole 3: 12 counts ");
    });
    ASSERT_NE(counted, panel.end()) << ::testing::PrintToString(panel);
    EXPECT_EQ(hole3.trimmed().toStdString(), counted->substr(20)); // the box shows what it counts
    control<QLineEdit>(rounds, "outscoretext")->setText("49");
    control<QLineEdit>(rounds, "inscoretext")->setText("47");
    click(rounds, "recordbutton");
    ASSERT_TRUE(waitfor([&] { return next->isVisible(); }));
    EXPECT_EQ(next->text(), "&Finish");
    panel = lines(control<QListWidget>(rounds, "List1"));
    click(rounds, "continuebutton");
    ASSERT_TRUE(waitfor([&] { return window("roundsform") == nullptr; }));
    EXPECT_NE(std::find(panel.begin(), panel.end(),
                        "Totals only: the holes are not known, the gross counts"),
              panel.end());
    EXPECT_EQ(savedleague()->holescore[bill][savedleague()->roundcount[bill]][3], 12);

    ASSERT_TRUE(waitfor([&] { return mainwindow->list2()->item(2)->text() != billline; }));
    fake.dialogs.answers = {Answer::no};
    mainwindow->action("Printmenu")->trigger(); // the short list
    ASSERT_EQ(printouts.size(), 1u);
    const auto printed = printouts[0]->lines(1);
    const auto printedbill = std::find_if(printed.begin(), printed.end(), [](const std::string& l) {
        return l.starts_with("       Bill Archer");
    });
    ASSERT_NE(printedbill, printed.end()) << ::testing::PrintToString(printed);
    EXPECT_TRUE(printedbill->ends_with("   CR 47   38    85  13.5            10      6"))
        << *printedbill; // 13.5 x 117 / 113 + (68.9 - 72) = 10.87..., x 95% = 10.33...

    importnight(imported.path(), sys.path(), "5,4,12");
    for (const char* file : {demoleague, "Tuesday Night League.HIX"})
        EXPECT_EQ(readbytes(imported.path() / file), readbytes(data.path() / file)) << file;
}
