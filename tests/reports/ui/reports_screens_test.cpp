// Renders the report windows to PNG files under the build folder (screens/), for a
// person to look at.
#include "model/golf1.h"
#include "reports/reportleague.h"
#include "reports/ui/chcpform.h"
#include "reports/ui/hcpcards.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

void save(QWidget* w, const char* name) {
    fs::create_directories(GREENFOLD_SCREENS);
    QPixmap shot = w->grab();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(QString(GREENFOLD_SCREENS) + "/" + name + ".png"));
}

} // namespace

TEST(Screens, renderReportWindows) {
    FakeServices fake;
    auto g = reportleague(14, 5);
    g->playername[3] = "Bartholomew Featherstonehaugh";

    auto* calc = new CHcpform(fake.services, nullptr);
    calc->load();
    calc->findChild<QLineEdit*>("Text1")->setText("14.2");
    calc->findChild<QLineEdit*>("Text2")->setText("128");
    calc->calculate();
    save(calc, "CHcpform");
    calc->close();

    auto* cards = new HcpCards(*g, fake.services, nullptr);
    cards->load();
    auto* list = cards->findChild<QListWidget*>("List1");
    for (int i : {0, 2, 5}) list->item(i)->setSelected(true);
    save(cards, "HcpCards");
    cards->findChild<QLineEdit*>("pscalingtext")->setText("1");
    TempDir sys;
    g->inipath = (sys.path() / "gfd32.ini").string();
    cards->close();
}
