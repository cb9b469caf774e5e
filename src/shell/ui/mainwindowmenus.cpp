// The main window's menus, toolbar and the commands behind them.
#include "help/helpindex.h"
#include "model/leaguelist.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/widgets.h"
#include "players/ui/playerpicker.h"
#include "shell/ui/createleaguewindow.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/menunames.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace greenfold {

namespace {

// Commands that need an open league.
const char* const leaguecommands[] = {
    menu::entermenu,     menu::Viewmenu_1,     menu::Viewmenu_2,           menu::Viewmenu_3,
    menu::Playermenu_1,  menu::Playermenu_2,   menu::Playermenu_3,         menu::Playernamesmenu,
    menu::editroundmenu, menu::printcardsmenu, menu::leaguehcmenu,         menu::graphmenu_0,
    menu::graphmenu_1,   menu::defineteammenu, menu::enterteamresultsmenu, menu::teamsummarymenu};
const char* const resultscommands[] = {menu::competitionmenu, menu::nightresultsmenu,
                                       menu::standingsmenu, menu::matchsettingsmenu};

const char* const buttoncaptions[] = {"Load league", "Enter Scores", "Add Player", "Add Course",
                                      "Help"};

} // namespace

QAction* MainWindow::addentry(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    actions_[name] = a;
    return a;
}

void MainWindow::buildmenus() {
    buildfilemenu();
    buildothermenus();
    wireleaguenight();
    wireroster();
    wirereports();
    wirecharts();
    wirebackup();
    wireresults();
    wirematches();
}

void MainWindow::buildfilemenu() {
    QMenu* file = addmenu("Filemenu", "&File");
    addentry(file, menu::settingsmenu, "&Settings");
    connect(addentry(file, menu::Creatmenu, "&Create or Delete a League File"), &QAction::triggered,
            this, &MainWindow::opencreateleague);
    openmenu_ = file->addMenu("&Open League File");
    openmenu_->setObjectName("Openmenu");
    addentries(file, {{menu::Printmenu, "&Print"},
                      {menu::printcardsmenu, "Print Handicap &Cards"},
                      {menu::printfilemenu, "Export Listing as Text"},
                      {menu::Printsetupmenu, "Printer Setup"}});
    connect(addentry(file, menu::entermenu, "&Enter Rounds"), &QAction::triggered, this,
            &MainWindow::hidescrollers);
    QMenu* backup = file->addMenu("&Backup your data files");
    backup->setObjectName("backupmainmenu");
    addentries(backup, {{menu::Backupmenu, "Backup Data Files to floppy disk"},
                        {menu::Restoremenu, "Restore Data from Backup Disk"}});
    addentry(file, menu::newseasonmenu, "Start a &New Season...");
    connect(addentry(file, menu::Exitmenu, "E&xit"), &QAction::triggered, qApp,
            &QApplication::quit);
}

QMenu* MainWindow::addmenu(const char* name, const QString& caption) {
    QMenu* m = menuBar()->addMenu(caption);
    m->setObjectName(name);
    return m;
}

void MainWindow::addentries(QMenu* menu, std::initializer_list<MenuEntry> entries) {
    for (const auto& [name, caption] : entries) addentry(menu, name, caption);
}

void MainWindow::buildothermenus() {
    QMenu* edit = addmenu("Editmenu", "&Edit");
    const char* clip[] = {"&Cut", "C&opy", "&Paste"};
    for (int i = 0; i < 3; ++i) addentry(edit, QString("Editmenu2_%1").arg(i), clip[i]);
    connect(addentry(edit, menu::editroundmenu, "Correct / &Edit or Delete a Round"),
            &QAction::triggered, this, &MainWindow::hidescrollers);
    addentries(addmenu("Playersmenu", "&Players"),
               {{menu::Playermenu_1, "&Add Player"},
                {menu::Playermenu_2, "&Sort / Arrange Player List"},
                {menu::Playermenu_3, "&Remove Player"},
                {menu::Playernamesmenu, "&Edit Player Names"}});
    addentries(addmenu("coursesmenu", "&Courses"),
               {{menu::GCmenu_1, "&Add New Course"},
                {menu::GCmenu_2, "&Edit Course"},
                {menu::GCmenu_3, "&Delete Course"},
                {menu::CHCPChartmenu, "&Print Course Handicap Reference Chart"},
                {menu::coursehcpmenu, "&Calculate Course Handicap"}});
    buildviewmenu();
    addentries(addmenu("teammenu", "&Teams"), {{menu::defineteammenu, "&Define Teams"},
                                               {menu::enterteamresultsmenu, "&Enter Team Results"},
                                               {menu::teamsummarymenu, "&Team Summary Reports"}});
    QMenu* results = addmenu("Resultsmenu", "&Results");
    addentries(results, {{menu::competitionmenu, "&Competition Settings..."},
                         {menu::nightresultsmenu, "&Night Results..."},
                         {menu::standingsmenu, "&Season Standings..."}});
    results->addSeparator();
    addentries(results, {{menu::matchsettingsmenu, "&Match Play Settings..."},
                         {menu::schedulemenu, "Sc&hedule..."},
                         {menu::weekmatchesmenu, "&Week's Matches..."},
                         {menu::matchstandingsmenu, "Match Standin&gs..."}});
    addentries(addmenu("Analmenu", "&Analysis"),
               {{menu::leaguehcmenu, "Current League Handicaps"},
                {menu::graphmenu_0, "Individual Handicap Trends"},
                {menu::graphmenu_1, "Individual Scoring Averages"}});
    buildhelpmenu();
}

void MainWindow::buildviewmenu() {
    QMenu* view = addmenu("Vmenu", "&VIEW");
    const char* views[] = {"Most &Recent Rounds Entered", "By &Date", "Individual &Player"};
    for (int v = 1; v <= 3; ++v) {
        QAction* a = addentry(view, QString("Viewmenu_%1").arg(v), views[v - 1]);
        a->setCheckable(true);
        a->setChecked(v == view_recent);
        connect(a, &QAction::triggered, this, [this, v] { viewcommand(v); });
    }
}

void MainWindow::buildhelpmenu() {
    QMenu* help = addmenu("Helpmenu", "&Help");
    auto helpat = [this](const char* keyword) {
        return [this, keyword] { services_.help.show(keyword); };
    };
    connect(addentry(help, menu::Infomenu, "&Contents"), &QAction::triggered, this,
            helpat(helpkey::contents));
    connect(addentry(help, menu::helpsearchmenu, "&Search for Help On..."), &QAction::triggered,
            this, [this] { services_.help.search(); });
    connect(addentry(help, menu::quickstartmenu, "Quick Start Instructions"), &QAction::triggered,
            this, helpat(helpkey::quickstart));
    connect(addentry(help, menu::Purposemenu, "Purpose && Intent of ths program"),
            &QAction::triggered, this, helpat(helpkey::purpose));
    connect(addentry(help, menu::aboutmenu, "About Greenfold"), &QAction::triggered, this,
            &MainWindow::aboutrequested);
}

void MainWindow::buildtoolbar(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName("Toolpanel");
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 5; ++i) {
        auto* column = new QVBoxLayout;
        auto* b = new QToolButton(panel);
        b->setObjectName(QString("toolbutton_%1").arg(i));
        b->setIcon(QIcon(QString(":/pictures/tool%1.png").arg(i)));
        b->setIconSize(QSize(32, 32));
        b->setToolTip(buttoncaptions[i]);
        b->installEventFilter(this);
        connect(b, &QToolButton::clicked, this, [this, i] { toolbuttonclicked(i); });
        toolbuttons_[i] = b;
        // The picture set for displays of few colours waits hidden.
        auto* few = new QToolButton(panel);
        few->setObjectName(QString("toolbutton_%1").arg(i + 10));
        few->setIcon(QIcon(QString(":/pictures/tool%1.png").arg(i + 10)));
        few->hide();
        toolbuttons_[i + 10] = few;
        auto* label = new QLabel(buttoncaptions[i], panel);
        label->setObjectName(QString("buttonlabel_%1").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setVisible(false);
        buttonlabels_[i] = label;
        column->addWidget(b, 0, Qt::AlignHCenter);
        column->addWidget(label);
        row->addLayout(column);
    }
    row->addStretch(1);
    auto* title = new QLabel("Greenfold", panel);
    title->setObjectName("Panel3D2");
    bigfont(title, 6);
    title->setStyleSheet("color: #2f6f2a;");
    row->addWidget(title);
}

void MainWindow::uselowcolourtoolbar() {
    for (int i = 0; i < 5; ++i) toolbuttons_[i]->setIcon(toolbuttons_[i + 10]->icon());
}

void MainWindow::setleaguecommands(bool on) {
    for (const char* name : leaguecommands) actions_.at(name)->setEnabled(on);
    for (const char* name : resultscommands) actions_.at(name)->setEnabled(on);
    showmatchcommands(on);
}

void MainWindow::refreshleaguemenu() {
    for (QAction* a : openmenu_->actions()) {
        actions_.erase(a->objectName());
        openmenu_->removeAction(a);
        a->deleteLater();
    }
    const auto captions = leaguemenucaptions(g_);
    for (int i = 0; i < int(captions.size()); ++i) {
        QAction* a = addentry(openmenu_, QString("leaguesmenu_%1").arg(i),
                              QString::fromStdString(captions[i]));
        connect(a, &QAction::triggered, this, [this, i] { openleague(i); });
    }
}

void MainWindow::noleaguestate() {
    setleaguecommands(false);
    messagepanel_->setText(noleaguetext);
    list1_->clear();
    list2_->clear();
    hidescrollers();
}

void MainWindow::openleague(int entry) {
    const QString shown = messagepanel_->text();
    const LeagueStep step = whilebusy(services_.busy, [&] {
        messagepanel_->setText(processingtext);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return greenfold::openleague(g_, entry, datadir_);
    });
    if (step.beep) services_.dialogs.beep();
    services_.dialogs.show(step.outcome);
    if (!step.status.empty()) messagepanel_->setText(QString::fromStdString(step.status));
    if (!step.outcome.ok || step.beep) {
        // The league that was open (if any) stays open, and the panel says so again.
        messagepanel_->setText(g_.leaguefile.empty() ? QString(noleaguetext) : shown);
        return;
    }
    setleaguecommands(true);
    if (view_.view == view_player) checkview(view_recent);
    viewcommand(view_.view);
}

void MainWindow::checkview(int view) {
    view_.view = view;
    for (int v = 1; v <= 3; ++v) actions_.at(QString("Viewmenu_%1").arg(v))->setChecked(v == view);
}

void MainWindow::viewcommand(int view) {
    checkview(view_.view); // a click on a checkable entry toggles it; the view decides
    if (g_.leaguefile.empty()) return;
    checkview(view);
    if (view == view_player) {
        openplayerpicker();
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{hscroll1_, vscroll1_, picture1_, picture2_})
        w->show();
    spin1_->setVisible(spinvisible(view_));
    if (auto lines = refreshview(g_, view_)) showlines(*lines);
}

void MainWindow::showplayerrounds() {
    for (QWidget* w : std::initializer_list<QWidget*>{hscroll1_, vscroll1_, picture1_, picture2_})
        w->show();
    spin1_->setVisible(false);
    showlines(showplayer(g_, view_.player));
}

void MainWindow::openplayerpicker() {
    hidescrollers();
    auto* picker = new PlayerPicker(g_, services_, this);
    connect(picker, &PlayerPicker::accepted, this, [this](int p) {
        view_.player = p;
        setEnabled(true);
        timer1_->start();
    });
    openwindow(picker, [this] { checkview(view_recent); });
}

void MainWindow::opencreateleague() {
    auto* window = new CreateLeagueWindow(g_, services_, datadir_, this);
    connect(window, &CreateLeagueWindow::listchanged, this, &MainWindow::refreshleaguemenu);
    openwindow(window, [this] { noleaguestate(); });
}

void MainWindow::spin(bool up) {
    SpinStep step = up ? spinup(g_, view_) : spindown(g_, view_);
    showlines(step.lines);
    if (!step.hint.empty()) {
        actionmessage_->setText(QString::fromStdString(step.hint));
        messagetimer_->start();
    }
}

void MainWindow::toolbuttonclicked(int button) {
    switch (button) {
    case 0:
        openleague(g_.leagueindex);
        break;
    case 1:
        if (action(menu::entermenu)->isEnabled()) action(menu::entermenu)->trigger();
        break;
    case 2:
        if (action(menu::Playermenu_1)->isEnabled()) action(menu::Playermenu_1)->trigger();
        break;
    case 3:
        action(menu::GCmenu_1)->trigger();
        break;
    default:
        action(menu::Infomenu)->trigger();
        break;
    }
}

void MainWindow::showhint(int button) {
    buttonlabels_[button]->setVisible(true);
    if (button == 0) actionmessage_->setText("Loads latest League file");
    messagetimer_->start();
}

void MainWindow::clearhints() {
    actionmessage_->clear();
    for (QLabel* l : buttonlabels_) l->setVisible(false);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        for (int i = 0; i < 5; ++i)
            if (watched == toolbuttons_[i]) showhint(i);
    }
    if (event->type() == QEvent::MouseMove &&
        (watched == list1_->viewport() || watched == list2_->viewport() ||
         watched->objectName() == "Panel3D1")) {
        for (QLabel* l : buttonlabels_) l->setVisible(false);
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace greenfold
