// A league night typed through the windows gives the same league file as that night
// imported from a spreadsheet with the command line.
#include "cli/cliargs.h"
#include "cli/commands.h"
#include "model/settingsfile.h"
#include "support/windowfixture.h"

#include <QDate>
#include <QRadioButton>

#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

TEST_F(DemoWindows, nightTypedThroughTheWindows_equalsTheNightImported) {
    // Stroke control on: Bill's 9 on the par 3 is held to his limit either way.
    GOLF1 settings;
    settings.escflag = 5;
    ASSERT_TRUE(savesettings(settings, sys.path().string() + "/"));
    TempDir imported;
    for (const auto& f : fs::directory_iterator(data.path()))
        fs::copy_file(f.path(), imported.path() / f.path().filename());
    start();
    const QString billline = form2->list2()->item(2)->text();
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
    EXPECT_TRUE(form2->isEnabled());
    // The view timer redraws the most recent rounds with the new ones.
    EXPECT_TRUE(waitfor([&] { return form2->list2()->item(2)->text() != billline; }));

    const QDate now = QDate::currentDate();
    const std::string date = now.toString("MM/dd/yy").toStdString();
    const fs::path csv = imported.path() / "night.csv";
    writebytes(csv, date + ",Bill Archer,Cedar Ridge,Mens,5,4,9,4,4,4,3,6,5,4,5,4,5,4,4,3,5,4\r\n" +
                        date + ",Ed Castillo,Cedar Ridge,Mens,49,47\r\n");
    std::ostringstream out, err;
    CliContext cli{out, err, sys.path().string() + "/", {now.year(), now.month(), now.day()}};
    ASSERT_EQ(
        runcli({"--dir", imported.path().string(), "import", "Tuesday Night League", csv.string()},
               cli),
        exit_ok)
        << err.str();
    EXPECT_EQ(readbytes(imported.path() / demoleague), readbytes(leaguefile()));
    EXPECT_NE(readbytes(leaguefile()), readbytes(demofolder / demoleague));
}
