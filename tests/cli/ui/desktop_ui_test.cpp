// The command line against the desktop program itself: the same list bytes as Export
// Listing as Text in every view, and the same league file for a night typed into the
// score window as for that night imported from a spreadsheet.
#include "cli/cliargs.h"
#include "cli/commands.h"
#include "model/settingsfile.h"
#include "platform/spinbutton.h"
#include "scoring/ui/nightfixture.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QToolButton>

#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const std::string league = "Tuesday Night League";

class Desktop : public LeagueNight {
  protected:
    // greenfold-cli on the same folder and settings, dated today as the window dates it.
    std::string cli(std::vector<std::string> args, const fs::path& dir) {
        args.insert(args.begin(), {"--dir", dir.string()});
        const QDate now = QDate::currentDate();
        std::ostringstream out, err;
        CliContext ctx{out, err, sys.path().string() + "/", {now.year(), now.month(), now.day()}};
        EXPECT_EQ(runcli(args, ctx), exit_ok) << err.str();
        return out.str();
    }
    // Export Listing as Text of what the main window shows now.
    std::string exported(const std::string& name) {
        const fs::path file = exports.path() / (name + ".txt");
        fake.dialogs.files.push_back(file.string());
        form2->action("printfilemenu")->trigger();
        return readbytes(file);
    }
    TempDir exports;
};

TEST_F(Desktop, list_isExportListingAsText_inEveryView) {
    start();
    EXPECT_EQ(cli({"list", league}, data.path()), exported("recent"));

    form2->action("Viewmenu_2")->trigger();
    EXPECT_EQ(cli({"list", league, "--view", "date"}, data.path()), exported("newest"));
    form2->findChild<SpinButton*>("Spin1")->downbutton()->click();
    const std::string date = form2->list2()->item(2)->text().left(8).toStdString();
    EXPECT_EQ(cli({"list", league, "--date", date}, data.path()), exported("earlier"));

    form2->action("Viewmenu_3")->trigger();
    QWidget* picker = shownwindow("chooseplayer");
    ASSERT_NE(picker, nullptr);
    control<QListWidget>(picker, "List1")->setCurrentRow(1);
    click(picker, "acceptbutton");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return form2->list1()->count() > 2 && form2->list1()->item(2)->text() == "Dana Brooks";
        },
        3000));
    EXPECT_EQ(cli({"list", league, "--player", "Dana Brooks"}, data.path()), exported("dana"));
}

TEST_F(Desktop, nightTypedIntoTheScoreWindow_equalsTheNightImported) {
    // Stroke control on: Bill's 9 on the par 3 is held to his limit either way.
    GOLF1 settings;
    settings.escflag = 5;
    ASSERT_TRUE(savesettings(settings, sys.path().string() + "/"));
    TempDir imported;
    for (const auto& f : fs::directory_iterator(data.path()))
        fs::copy_file(f.path(), imported.path() / f.path().filename());

    start();
    form2->action("entermenu")->trigger();
    QWidget* setup = shownwindow("selectplayers");
    ASSERT_NE(setup, nullptr);
    auto* players = control<QListWidget>(setup, "List1");
    for (int row : {0, 2}) players->item(row)->setSelected(true); // Bill Archer, Ed Castillo
    QTest::keyClicks(control<QComboBox>(setup, "coursecombo")->lineEdit(), "cedar ridge");
    click(setup, "acceptbutton");
    QWidget* rounds = shownwindow("roundsform");
    ASSERT_NE(rounds, nullptr);

    typekeys(rounds, "549444365454544354");
    click(rounds, "recordbutton");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return control<QLabel>(rounds, "Pnamelabel")->text() == "Ed Castillo"; }, 3000));
    for (auto [box, total] : {std::pair{"outscoretext", "49"}, std::pair{"inscoretext", "47"}}) {
        auto* edit = control<QLineEdit>(rounds, box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, total);
    }
    click(rounds, "recordbutton");
    ASSERT_TRUE(QTest::qWaitFor([] { return shownwindow("roundsform") == nullptr; }, 3000));

    const QDate now = QDate::currentDate();
    const std::string date = now.toString("MM/dd/yy").toStdString();
    const fs::path csv = exports.path() / "night.csv";
    writebytes(csv, date + ",Bill Archer,Cedar Ridge,Mens,5,4,9,4,4,4,3,6,5,4,5,4,5,4,4,3,5,4\r\n" +
                        date + ",Ed Castillo,Cedar Ridge,Mens,49,47\r\n");
    cli({"import", league, csv.string()}, imported.path());
    EXPECT_EQ(readbytes(imported.path() / demoleague), leaguebytesondisk());
    EXPECT_NE(leaguebytesondisk(), readbytes(demofolder / demoleague));
}

} // namespace
