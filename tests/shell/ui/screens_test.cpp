// Renders the shell's windows to PNG files under the build folder (screens/), for a
// person to look at.
#include "model/golf1.h"
#include "platform/qthelpviewer.h"
#include "shell/ui/form1.h"
#include "shell/ui/form2.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

void save(QWidget* w, const char* name) {
    fs::create_directories(GREENFOLD_SCREENS);
    QPixmap shot = w->grab();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(QString(GREENFOLD_SCREENS) + "/" + name + ".png"));
}

QWidget* shown(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

} // namespace

TEST(Screens, renderShellWindows) {
    TempDir data, sys;
    const fs::path demo = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
    for (const auto& f : fs::directory_iterator(demo))
        fs::copy_file(f.path(), data.path() / f.path().filename());
    FakeServices fake;
    auto g = std::make_unique<GOLF1>();

    Form1 splash(*g, fake.services);
    splash.load();
    splash.show();
    save(&splash, "Form1");

    Form2 main(*g, fake.services);
    main.load(data.path(), sys.path().string() + "/");
    main.resize(1100, 560);
    main.show();
    save(&main, "Form2-noleague");
    main.action("leaguesmenu_0")->trigger();
    save(&main, "Form2-view1");
    main.action("Viewmenu_2")->trigger();
    save(&main, "Form2-view2");
    main.action("Viewmenu_3")->trigger();
    QWidget* picker = shown("chooseplayer");
    ASSERT_NE(picker, nullptr);
    picker->findChild<QListWidget*>("List1")->setCurrentRow(4);
    save(picker, "chooseplayer");
    picker->findChild<QPushButton*>("acceptbutton")->click();
    QTest::qWait(700);
    save(&main, "Form2-view3");
    main.action("Creatmenu")->trigger();
    save(shown("Createleagueform"), "Createleagueform");

    QtHelpViewer help;
    help.show("Entering Scores");
    EXPECT_EQ(help.currentpage(), "enteringscores.html");
    save(&help, "help");
}
