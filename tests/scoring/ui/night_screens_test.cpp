// Renders the league night windows to PNG files under the build folder (screens/), for
// a person to look at.
#include "scoring/roundslots.h"
#include "scoring/ui/nightfixture.h"

#include <QComboBox>
#include <QFrame>
#include <QPixmap>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

void save(QWidget* w, const char* name) {
    ASSERT_NE(w, nullptr) << name;
    fs::create_directories(GREENFOLD_SCREENS);
    QTest::qWait(20);
    QPixmap shot = w->grab();
    ASSERT_FALSE(shot.isNull());
    ASSERT_TRUE(shot.save(QString(GREENFOLD_SCREENS) + "/" + name + ".png"));
}

// The calculation panel as the engine fills it for Bill's next round.
QStringList panellines(const GOLF1& g) {
    auto copy = std::make_unique<GOLF1>(g);
    copy->playerno = 1;
    copy->editslot = 0;
    DisplayedRound d;
    d.tee = tee_mens;
    for (int h = 1; h <= 18; ++h) d.holes[h] = " 5";
    d.out = outtotal(d.holes);
    d.in = intotal(d.holes);
    QStringList lines;
    for (const auto& l : recordround(*copy, d).panel) lines << QString::fromStdString(l);
    return lines;
}

} // namespace

TEST_F(LeagueNight, renderLeagueNightWindows) {
    start();
    form2->resize(1000, 520);

    form2->action("GCmenu_2")->trigger();
    form2->findChild<QComboBox*>("Selectcoursecombo")->setEditText("Cedar Ridge");
    save(form2.get(), "Form2-coursepanel");
    form2->findChild<QPushButton*>("okordeletebutton")->click();
    save(shownwindow("course"), "course-edit");
    click(shownwindow("course"), "cancelbutton");
    form2->action("GCmenu_1")->trigger();
    save(shownwindow("course"), "course-add");
    click(shownwindow("course"), "cancelbutton");

    form2->action("entermenu")->trigger();
    QWidget* setup = shownwindow("selectplayers");
    auto* list = control<QListWidget>(setup, "List1");
    for (int row : {0, 2, 5}) list->item(row)->setSelected(true);
    control<QComboBox>(setup, "coursecombo")->setCurrentIndex(0);
    save(setup, "selectplayers");
    click(setup, "acceptbutton");

    QWidget* rounds = shownwindow("roundsform");
    typekeys(rounds, "5454443651");
    save(rounds, "roundsform");
    click(rounds, "Command3D1");
    control<QListWidget>(rounds, "List1")->addItems(panellines(*g));
    save(rounds, "roundsform-viewmath");
    click(rounds, "cancelbutton");

    g->escflag = 5;
    form2->action("entermenu")->trigger();
    setup = shownwindow("selectplayers");
    control<QListWidget>(setup, "List1")->item(1)->setSelected(true);
    control<QComboBox>(setup, "coursecombo")->setCurrentIndex(1);
    click(setup, "acceptbutton");
    save(shownwindow("roundsform"), "roundsform-esc");
    click(shownwindow("roundsform"), "cancelbutton");

    form2->action("editroundmenu")->trigger();
    QWidget* picker = shownwindow("GPlayer");
    control<QListWidget>(picker, "List1")->setCurrentRow(2);
    save(picker, "GPlayer-player");
    click(picker, "acceptbutton");
    control<QListWidget>(picker, "List1")->setCurrentRow(0);
    save(picker, "GPlayer-date");
    click(picker, "acceptbutton");
    save(shownwindow("roundsform"), "roundsform-edit");
    click(shownwindow("roundsform"), "cancelbutton");

    form2->action("settingsmenu")->trigger();
    save(shownwindow("Setfont"), "Setfont");
    shownwindow("Setfont")->close();
}
