// League night: the course commands, entering and correcting rounds, the settings.
#include "courses/courseedit.h"
#include "courses/ui/coursewindow.h"
#include "model/coursefile.h"
#include "model/programstate.h"
#include "model/textline.h"
#include "platform/services.h"
#include "reports/ui/printcommands.h"
#include "scoring/settingsrules.h"
#include "scoring/ui/roundpicker.h"
#include "scoring/ui/roundsetupwindow.h"
#include "scoring/ui/scorewindow.h"
#include "scoring/ui/settingswindow.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/menunames.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string_view>

namespace greenfold {

namespace {

constexpr const char* savingtext = "Saving League data, Please wait...";

// Runs a command when the watched widget is double-clicked.
class DoubleClick : public QObject {
  public:
    DoubleClick(QObject* parent, std::function<void()> command)
        : QObject(parent), command_(std::move(command)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) command_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> command_;
};

void setcoursesmenu(MainWindow& main, bool on) {
    if (auto* menu = main.findChild<QMenu*>("coursesmenu")) menu->menuAction()->setEnabled(on);
}

void opencourse(MainWindow& main, int c) {
    main.openwindow(new CourseWindow(main.model(), main.services(), main.datadir(), c, &main),
                    [&main] { setcoursesmenu(main, true); });
}

// A new course: the table is read afresh first, so adding with no league open cannot
// write a course file that holds the new course alone.
void addcourse(MainWindow& main) {
    main.services().dialogs.show(loadcourses(main.model(), main.datadir()));
    opencourse(main, newcourse);
}

// What the course panel picks a course for.
enum class PanelPick { edit, remove, chart };

// The panel that picks a course: to edit ("Ok"), to delete ("Delete") or to chart ("Ok").
// The chart offers only names longer than one character and leaves the Courses menu
// available.
void showcoursepanel(MainWindow& main, QFrame* panel, PanelPick pick) {
    ProgramState& g = main.model();
    const bool chart = pick == PanelPick::chart;
    main.hidescrollers();
    main.services().dialogs.show(
        loadcourses(g, main.datadir(), chart ? CourseLoad::other : CourseLoad::editing));
    auto* combo = panel->findChild<QComboBox*>("Selectcoursecombo");
    combo->clear();
    for (const auto& name : coursenames(g))
        if (!chart || textwidth(name) > 1) combo->addItem(QString::fromStdString(name));
    combo->setCurrentIndex(-1);
    combo->clearEditText();
    panel->findChild<QPushButton*>("okordeletebutton")
        ->setText(pick == PanelPick::remove ? "Delete" : "Ok");
    setcoursesmenu(main, chart);
    panel->show();
    combo->setFocus();
}

void deletechosen(MainWindow& main, int c) {
    Services& services = main.services();
    const Answer answer =
        services.dialogs.message(deletecoursequestion(), Buttons::yesno, Answer::no);
    if (answer == Answer::yes) {
        Outcome deleted =
            whilebusy(services.busy, [&] { return deletecourse(main.model(), c, main.datadir()); });
        services.dialogs.show(deleted);
    }
    setcoursesmenu(main, true);
}

void coursechosen(MainWindow& main, QFrame* panel, PanelPick pick) {
    ProgramState& g = main.model();
    auto* combo = panel->findChild<QComboBox*>("Selectcoursecombo");
    const std::string text = combo->currentText().toStdString();
    const int c = findcourse(g, text);
    if (text.empty() || c == 0) return;
    panel->hide();
    combo->clearEditText();
    if (pick == PanelPick::chart) {
        setcoursesmenu(main, true);
        PrintChcpChart(g, main.services(), c);
        return;
    }
    if (pick == PanelPick::remove)
        deletechosen(main, c);
    else
        opencourse(main, c);
}

void openrounds(MainWindow& main, const ScoreSession& session) {
    auto* window = new ScoreWindow(main.model(), main.services(), main.datadir(), session, &main);
    auto remembered = std::make_shared<QString>();
    QObject::connect(window, &ScoreWindow::saving, &main, [&main, remembered](bool on) {
        if (on) {
            *remembered = main.messagepanel()->text();
            main.messagepanel()->setText(savingtext);
        } else {
            main.messagepanel()->setText(*remembered);
        }
    });
    main.openwindow(window, [&main] {
        setcoursesmenu(main, true);
        main.startviewtimer();
    });
}

void enterrounds(MainWindow& main) {
    auto* window = new RoundSetupWindow(main.model(), main.services(), main.datadir(), &main);
    QObject::connect(window, &RoundSetupWindow::accepted, &main,
                     [&main](const ScoreSession& session) { openrounds(main, session); });
    main.openwindow(window);
}

// A switch of handicap method may have worked the league out again: the open view is drawn
// again at once, whichever it is.
void opensettings(MainWindow& main) {
    const HandicapMethod before = main.model().method;
    main.openwindow(new SettingsWindow(main.model(), main.services(), main.datadir(),
                                       settingsdir(main.model()), &main),
                    [&main, before] {
                        if (main.model().method != before) main.redrawview();
                    });
}

} // namespace

void MainWindow::wireleaguenight() {
    QFrame* panel = coursepanel_;
    auto* combo = panel->findChild<QComboBox*>("Selectcoursecombo");
    auto pick = std::make_shared<PanelPick>(PanelPick::edit); // what the panel is open for
    // Adding (also from the toolbar while the panel shows) leaves no panel behind that
    // still offers a course to edit or delete.
    connect(action(menu::GCmenu_1), &QAction::triggered, this, [this, panel] {
        panel->hide();
        hidescrollers();
        addcourse(*this);
    });
    connect(action(menu::GCmenu_2), &QAction::triggered, this,
            [this, panel, pick] { showcoursepanel(*this, panel, *pick = PanelPick::edit); });
    connect(action(menu::GCmenu_3), &QAction::triggered, this,
            [this, panel, pick] { showcoursepanel(*this, panel, *pick = PanelPick::remove); });
    connect(action(menu::CHCPChartmenu), &QAction::triggered, this, [this, panel, pick] {
        showcoursepanel(*this, panel, *pick = PanelPick::chart);
        if (g_.coursecount < 1) { // no course to chart: nothing happens
            panel->hide();
            setcoursesmenu(*this, true);
        }
    });
    connect(panel->findChild<QPushButton*>("okordeletebutton"), &QPushButton::clicked, this,
            [this, panel, pick] { coursechosen(*this, panel, *pick); });
    connect(panel->findChild<QPushButton*>("okordeletecancel"), &QPushButton::clicked, this,
            [this] { setcoursesmenu(*this, true); });
    combo->lineEdit()->installEventFilter(
        new DoubleClick(combo, [this, panel, pick] { coursechosen(*this, panel, *pick); }));

    connect(action(menu::entermenu), &QAction::triggered, this, [this] { enterrounds(*this); });
    connect(action(menu::editroundmenu), &QAction::triggered, this, [this] {
        auto* picker = new RoundPicker(g_, services_, this);
        picker->tag = RoundPickerTag::edit;
        connect(picker, &RoundPicker::roundchosen, this,
                [this](const ScoreSession& session) { openrounds(*this, session); });
        openwindow(picker, [this] { checkview(view_recent); });
    });
    connect(action(menu::settingsmenu), &QAction::triggered, this, [this] { opensettings(*this); });
}

} // namespace greenfold
