// A new season in the results windows: what they say of a season without a night, each
// command saying why it does nothing, and a kept season shown read only.
#include "support/windowfixture.h"

#include <QDate>

#include <algorithm>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using SeasonWindows = DemoWindows;

// Two nights of three players on the demo's first course, the totals only; flights by hand
// (none given yet), gross skins.
void writenights(const fs::path& data) {
    std::string file = "Greenfold results 2\r\n 100 \r\n 0 \r\n 0 \r\n 2 \r\n 10 \r\n 8 \r\n"
                       " 0 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n2.00\r\n"
                       " 0 \r\n 5 \r\n";
    const std::string holes = " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    for (const char* l : {"02/26 1 2 A 41 40 81 22.0 23 23 58 Ed Castillo",
                          "02/26 1 2 A 42 39 81 21.1 22 22 59 Bill Archer",
                          "02/26 1 2 A 45 45 90 30.9 32 32 58 Jack Hughes",
                          "09/26 1 2 A 40 40 80 22.0 23 23 57 Ed Castillo",
                          "09/26 1 2 A 44 44 88 30.9 32 32 56 Jack Hughes"})
        file += "06/" + std::string(l).replace(9, 2, holes) + "\r\n";
    writebytes(data / "Tuesday Night League.res", file);
}

QString info(FakeDialogs& d) {
    return d.shown.empty() ? QString() : QString::fromStdString(d.shown.back().message.text);
}

} // namespace

TEST_F(SeasonWindows, afterANewSeasonEachCommandSaysWhy_andTheKeptSeasonShowsReadOnly) {
    writenights(data.path());
    fake.dialogs.answers = {Answer::yes};
    mainwindow->action("newseasonmenu")->trigger();
    ASSERT_TRUE(fs::exists(data.path() / "Tuesday Night League-2026.res"));
    const QString nonight = "A new season started on " + QDate::currentDate().toString("MM/dd/yy") +
                            " and has no night yet.";

    QWidget* night = open("nightresultsmenu", "Nightform");
    ASSERT_NE(night, nullptr);
    EXPECT_EQ(lines(control<QListWidget>(night, "List1")), Lines{nonight.toStdString()});
    fake.dialogs.shown.clear();
    for (const char* button : {"Printbutton", "Skinsbutton", "Postbutton"}) {
        click(night, button);
        EXPECT_TRUE(info(fake.dialogs).endsWith(nonight)) << button;
    }
    EXPECT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_TRUE(printouts.empty());

    // The kept season: its nights, newest first; printed, but not posted again.
    auto* seasons = control<QComboBox>(night, "Seasoncombo");
    ASSERT_TRUE(seasons->isVisible());
    EXPECT_EQ(seasons->itemText(1), "2026 season");
    seasons->setCurrentIndex(1);
    auto* nights = control<QComboBox>(night, "Nightcombo");
    ASSERT_EQ(nights->count(), 2);
    EXPECT_EQ(nights->itemText(0), "06/09/26");
    const Lines kept = lines(control<QListWidget>(night, "List1"));
    EXPECT_EQ(kept.front(), "Tuesday Night League Night Results 06/09/26");
    EXPECT_TRUE(std::any_of(kept.begin(), kept.end(), [](const std::string& l) {
        return l.starts_with("    1  Jack Hughes");
    }));
    click(night, "Printbutton");
    EXPECT_EQ(printouts.size(), 1u);
    click(night, "Postbutton");
    EXPECT_TRUE(info(fake.dialogs).contains("Tuesday Night League-2026.res"));
    click(night, "Donebutton");

    QWidget* standings = open("standingsmenu", "Standform");
    EXPECT_EQ(lines(control<QListWidget>(standings, "List1")), Lines{nonight.toStdString()});
    click(standings, "Webbutton");
    EXPECT_TRUE(info(fake.dialogs).startsWith("There are no standings to put on a web page."));
    control<QComboBox>(standings, "Seasoncombo")->setCurrentIndex(1);
    EXPECT_EQ(lines(control<QListWidget>(standings, "List1")).front(),
              "Tuesday Night League Season Standings");
}
