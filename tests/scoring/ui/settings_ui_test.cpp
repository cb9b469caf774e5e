// The settings window, opened from the main window's File menu.
#include "scoring/settingsrules.h"
#include "scoring/ui/nightfixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class Settings : public LeagueNight {
  protected:
    QWidget* opensettings() {
        form2->action("settingsmenu")->trigger();
        QWidget* window = shownwindow("Setfont");
        EXPECT_NE(window, nullptr);
        EXPECT_FALSE(form2->isEnabled());
        return window;
    }
};

} // namespace

TEST_F(Settings, factorKeptInRangeOtherwiseQuietlyDefault) {
    start(false);
    const std::pair<const char*, float> typed[] = {
        {"1.1", 1.1f}, {"1.11", 0.96f}, {"0.5", 0.5f}, {"0.49", 0.96f}, {".9", 0.9f}};
    for (const auto& [text, factor] : typed) {
        QWidget* window = opensettings();
        auto* hcptext = control<QLineEdit>(window, "hcptext");
        hcptext->clear();
        QTest::keyClicks(hcptext, text);
        click(window, "okbutton");
        EXPECT_EQ(shownwindow("Setfont"), nullptr) << text;
        EXPECT_TRUE(form2->isEnabled()) << text;
        EXPECT_EQ(g->hcpfactor, factor) << text;
    }
    EXPECT_TRUE(fake.dialogs.shown.empty());
    QWidget* window = opensettings();
    EXPECT_EQ(control<QLineEdit>(window, "hcptext")->text(), ".90");
    click(window, "infobutton");
    QTest::mouseClick(control<QLabel>(window, "ninehelppanel"), Qt::LeftButton);
    EXPECT_EQ(fake.help.shown, (std::vector<std::string>{"Fonts", "Nine Hole Rounds"}));
    window->close();
    EXPECT_TRUE(form2->isEnabled());
}

TEST_F(Settings, optionsStoredBothFilesWrittenAveragingNoticeEachTime) {
    start(false);
    QWidget* window = opensettings();
    EXPECT_EQ(window->windowTitle(), "Greenfold Settings");
    EXPECT_TRUE(control<QRadioButton>(window, "Nineholeoption_2")->isChecked()); // demo: 2
    EXPECT_TRUE(control<QCheckBox>(window, "hcplimitcheck")->isChecked());
    EXPECT_EQ(control<QLabel>(window, "fontlabel")->text(), "Courier New");
    control<QRadioButton>(window, "Nineholeoption_3")->click();
    control<QCheckBox>(window, "Averagecheck")->setChecked(true);
    control<QCheckBox>(window, "Equitablecheck")->setChecked(true);
    control<QCheckBox>(window, "dateremindcheck")->setChecked(true);
    control<QCheckBox>(window, "hcplimitcheck")->setChecked(false);
    auto* fonts = control<QListWidget>(window, "List1");
    ASSERT_GT(fonts->count(), 0);
    fonts->setCurrentRow(0);
    const QString font = fonts->item(0)->text();
    EXPECT_EQ(control<QLabel>(window, "fontlabel")->text(), font);
    EXPECT_EQ(control<QLabel>(window, "fontlabel")->font().family(), QFont(font).family());
    click(window, "okbutton");

    EXPECT_EQ(g->ninehole, 3);
    EXPECT_EQ(g->averageflag, 1);
    EXPECT_EQ(g->escflag, 5);
    EXPECT_EQ(g->dateremind, 1);
    EXPECT_EQ(g->hcplimit, 0);
    EXPECT_EQ(g->printfont, font.toStdString());
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message, averagingnotice());
    EXPECT_EQ(fake.dialogs.shown[0].message.text.substr(0, 45),
              "You have selected the option to average using");
    // The settings file goes back where it was read from, the latest-league record
    // beside the data.
    EXPECT_EQ(readbytes(sys.path() / "gfd32.ini"), " 5 \r\n 0 \r\n 0 \r\n 1 \r\n 1 \r\n");
    const std::string latest = readbytes(data.path() / "GrnFld.DAT");
    EXPECT_NE(latest.find(" .96 \r\n" + font.toStdString() + "\r\n 3 \r\n"), std::string::npos);

    click(opensettings(), "okbutton");
    EXPECT_EQ(fake.dialogs.shown.size(), 2u); // again, every time averaging is on
    QWidget* again = opensettings();
    control<QCheckBox>(again, "Averagecheck")->setChecked(false);
    click(again, "okbutton");
    EXPECT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(g->averageflag, 0);
}
