// Renders every window of the program, opened from the main window on a copy of the demo
// folder, to PNG files for a person to look at:  greenfold-screens FOLDER
// It checks nothing; the window tests do that.
#include "matchplay/cards.h"
#include "matchplay/league.h"
#include "matchplay/matchprint.h"
#include "matchplay/matchstore.h"
#include "matchplay/matchtext.h"
#include "model/programstate.h"
#include "platform/qtdialogs.h"
#include "platform/qthelpviewer.h"
#include "platform/qtprintsurface.h"
#include "publish/webpage.h"
#include "reports/handicaplists.h"
#include "reports/printsteps.h"
#include "reports/scorecards.h"
#include "results/resultsprint.h"
#include "results/skinstext.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/menunames.h"
#include "shell/ui/splashwindow.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

QString folder;
int failures = 0;

QWidget* shown(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

void save(QWidget* w, const char* name) {
    QTest::qWait(20);
    if (w == nullptr || !w->grab().save(folder + "/" + name + ".png")) {
        std::fprintf(stderr, "greenfold-screens: no picture of %s\n", name);
        ++failures;
    }
}

void click(QWidget* w, const char* button) {
    if (w == nullptr) return;
    if (auto* b = w->findChild<QPushButton*>(button)) b->click();
}

void row(QWidget* w, int r) {
    if (w == nullptr) return;
    if (auto* list = w->findChild<QListWidget*>("List1")) list->setCurrentRow(r);
}

// Opens a window from the menu, takes its picture and closes it with the button.
QWidget* shoot(MainWindow& main, const char* menu, const char* window, const char* picture,
               const char* closer = nullptr) {
    main.action(menu)->trigger();
    QWidget* w = shown(window);
    save(w, picture);
    if (closer != nullptr) click(w, closer);
    return w;
}

// Presses the button and takes the picture of the window that follows.
QWidget* follow(QWidget* from, const char* button, const char* window, const char* picture) {
    click(from, button);
    QWidget* w = shown(window);
    save(w, picture);
    return w;
}

void shell(MainWindow& main, const fs::path& data, const fs::path& sys, ProgramState& g,
           FakeServices& fake) {
    SplashWindow splash(g, fake.services);
    splash.load();
    splash.show();
    save(&splash, "Form1");
    splash.close();

    main.load(data, sys.string() + "/");
    main.resize(1100, 560);
    main.show();
    save(&main, "Form2-noleague");
    shoot(main, menu::Creatmenu, "Createleagueform", "Createleagueform", "Command3d1");
    main.action("leaguesmenu_0")->trigger();
    save(&main, "Form2-view1");
    main.action(menu::Viewmenu_2)->trigger();
    save(&main, "Form2-view2");
    main.action(menu::Viewmenu_3)->trigger();
    QWidget* picker = shown("chooseplayer");
    row(picker, 4);
    save(picker, "chooseplayer");
    click(picker, "acceptbutton");
    QTest::qWait(700);
    save(&main, "Form2-view3");

    QtHelpViewer help;
    help.show("Entering Scores");
    save(&help, "help");
}

void leaguenight(MainWindow& main) {
    QWidget* w = shoot(main, menu::entermenu, "selectplayers", "selectplayers");
    if (auto* list = w ? w->findChild<QListWidget*>("List1") : nullptr) list->selectAll();
    if (auto* combo = w ? w->findChild<QComboBox*>() : nullptr) combo->setCurrentIndex(0);
    w = follow(w, "acceptbutton", "roundsform", "roundsform");
    click(w, "Command3D1");
    save(w, "roundsform-viewmath");
    click(w, "cancelbutton");

    w = shoot(main, menu::editroundmenu, "GPlayer", "GPlayer-player");
    row(w, 1);
    click(w, "acceptbutton");
    row(w, 0);
    save(w, "GPlayer-date");
    click(follow(w, "acceptbutton", "roundsform", "roundsform-edit"), "cancelbutton");

    shoot(main, menu::GCmenu_1, "course", "course-add", "cancelbutton");
    shoot(main, menu::settingsmenu, "Setfont", "Setfont", "okbutton");
}

void reports(MainWindow& main) {
    shoot(main, menu::coursehcpmenu, "CHcpform", "CHcpform", "closebutton");
    shoot(main, menu::printcardsmenu, "HcpCards", "HcpCards", "donebutton");
    QWidget* w = shoot(main, menu::graphmenu_0, "ANchooseplayer", "ANchooseplayer");
    row(w, 2);
    w = follow(w, "acceptbutton", "GRform", "GRform");
    click(follow(w, "Command3d1", "Piechart", "Piechart"), "closebutton");
    shoot(main, menu::leaguehcmenu, "compareform", "compareform", "donebutton");
}

void roster(MainWindow& main, const fs::path& data) {
    QWidget* w = shoot(main, menu::Playermenu_1, "playform", "playform");
    if (auto* name = w ? w->findChild<QLineEdit*>("Text1") : nullptr) name->setText("Kim Lowe");
    save(w, "playform");
    click(w, "exitbutton");
    row(shoot(main, menu::Playermenu_3, "RMplayer", "RMplayer"), 2);
    click(shown("RMplayer"), "exitbutton");
    shoot(main, menu::Playernamesmenu, "Playernm", "Playernm", "exitbutton");
    shoot(main, menu::Playermenu_2, "sortform", "sortform", "exitbutton");
    writebytes(data / "Tuesday Night League.tea",
               " 2 \r\nEagles\r\nHawks\r\n 1 \r\n 2 \r\n 1 \r\n 0 \r\n 0 \r\n 2 \r\n 0 \r\n 0 \r\n"
               " 2 \r\nWeek 1 at Elm Ridge\r\n 12 \r\n 3.5 \r\nWeek 2\r\n 20 \r\n 4 \r\n 0 \r\n");
    shoot(main, menu::defineteammenu, "createteamsform", "createteamsform", "Exitbutton");
    shoot(main, menu::enterteamresultsmenu, "teamdataform", "teamdataform", "exitbutton");
    w = shoot(main, menu::teamsummarymenu, "PrintTeamform", "PrintTeamform");
    if (auto* names = w ? w->findChild<QCheckBox*>("Namescheck") : nullptr) names->setChecked(true);
    save(w, "PrintTeamform");
    click(w, "Donebutton");
}

// The real message box of a question the windows asked through the scripted dialogs.
void savequestion(const FakeDialogs::Shown& asked, const char* name) {
    QTimer::singleShot(300, [name] {
        QWidget* box = QApplication::activeModalWidget();
        save(box, name);
        if (box != nullptr) box->close();
    });
    QtDialogs(nullptr).message(asked.message, asked.buttons, asked.defaultbutton);
}

void typekeys(QWidget* w, const QString& keys) {
    for (QChar c : keys) {
        if (QWidget* target = w->focusWidget())
            c == '\n' ? QTest::keyClick(target, Qt::Key_Return) : QTest::keyClicks(target, c);
    }
}

// The league switched to the World Handicap System, a course given stroke indexes, a round
// with a hole over net double bogey and the calculation panel open, and the short list.
void whsnight(MainWindow& main, FakeServices& fake, ProgramState& g) {
    QWidget* w = shoot(main, menu::settingsmenu, "Setfont", "Setfont-classic");
    if (auto* b = w ? w->findChild<QRadioButton*>("methodoption_2") : nullptr) b->click();
    if (auto* c = w ? w->findChild<QComboBox*>("allowancecombo") : nullptr) c->setEditText("95");
    save(w, "Setfont-whs");
    fake.dialogs.answers = {Answer::yes};
    click(w, "okbutton");
    if (!fake.dialogs.shown.empty()) savequestion(fake.dialogs.shown.back(), "replayquestion");

    main.action(menu::GCmenu_2)->trigger();
    if (auto* combo = main.findChild<QComboBox*>("Selectcoursecombo"))
        combo->setEditText("Cedar Ridge");
    if (auto* ok = main.findChild<QPushButton*>("okordeletebutton")) ok->click();
    if ((w = shown("course")) != nullptr) {
        for (int h = 1; h <= 18; ++h) // the demo's own, typed again
            w->findChild<QLineEdit*>(QString("sitext_%1").arg(h))->clear();
        w->findChild<QLineEdit*>("sitext_1")->setFocus();
        typekeys(w, "7\n15\n1\n11\n3\n17\n5\n13\n9\n8\n16\n2\n12\n4\n18\n6\n14\n10");
        save(w, "course-strokeindexes");
        click(w, "savebutton");
    }

    w = shoot(main, menu::entermenu, "selectplayers", "selectplayers-whs");
    row(w, 0);
    if (auto* combo = w ? w->findChild<QComboBox*>() : nullptr) combo->setCurrentIndex(0);
    click(w, "acceptbutton");
    if ((w = shown("roundsform")) == nullptr) return;
    click(w, "Command3D1");
    w->findChild<QLineEdit*>("scoretext_1")->setFocus();
    typekeys(w, "5412444365454544354");
    click(w, "recordbutton");
    QTest::qWait(900);
    save(w, "roundsform-whs-viewmath"); // the pause, the panel readable
    click(w, "continuebutton");
    main.action(menu::Viewmenu_1)->trigger();
    {
        QtPrintSurface pdf((folder + "/shortlist-whs.pdf").toStdString());
        printshortreport(pdf, g, main.shownlines(), "12-07-2026");
    }
    save(&main, "Form2-whs");
}

// Two nights of four players in two flights drawn by handicap, one player new on the
// second night; gross and net skins with carry-over.
void results(MainWindow& main, const fs::path& data) {
    const char* nights[] = {
        "06/02/26 1 2 5 4 5 4 4 4 3 6 5 4 5 4 5 4 4 3 5 4 40 38 78 21.4 22 22 56 Bill Archer",
        "06/02/26 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 40 39 79 22.1 23 23 56 Ed Castillo",
        "06/02/26 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 45 45 90 30.9 32 32 58 Jack Hughes",
        "06/02/26 1 1 6 5 5 5 5 6 4 5 6 5 4 3 7 6 5 4 5 5 47 44 91 26.2 28 28 63 Dana Brooks",
        "06/09/26 1 2 5 5 5 4 4 4 4 6 5 4 5 4 5 5 4 3 5 4 42 39 81 21.1 22 22 59 Bill Archer",
        "06/09/26 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 41 40 81 22.0 23 23 58 Ed Castillo",
        "06/09/26 1 2 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 47 44 91 - - - - Irene Garza"};
    std::string file = "Greenfold results 2\r\n 100 \r\n 0 \r\n 1 \r\n 4 \r\n 10 \r\n 8 \r\n"
                       " 6 \r\n 4 \r\n 1 \r\n 2 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n"
                       " 3 \r\n 1 \r\n 1 \r\n2.00\r\n 0 \r\n 7 \r\n";
    for (const char* line : nights) file += std::string(line) + "\r\n";
    writebytes(data / "Tuesday Night League.res", file);
    shoot(main, menu::competitionmenu, "Compform", "Compform", "Cancelbutton");
    QWidget* w = shoot(main, menu::nightresultsmenu, "Nightform", "Nightform");
    if (auto* list = w ? w->findChild<QListWidget*>("List1") : nullptr) list->scrollToBottom();
    save(w, "Nightform-payout");
    click(w, "Donebutton");
    shoot(main, menu::standingsmenu, "Standform", "Standform", "Donebutton");
    ProgramState& g = main.model();
    const ResultsFile f = loadresults(g, data).file;
    writebytes(fs::path(folder.toStdString()) / "standings.html",
               webpage("Tuesday Night League", f, newestskins(g, f), "06-10-2026"));
}

// A skins sheet of four flights, long enough for a second page, to PDF.
void skinssheet(ProgramState& g) {
    NightSkins n;
    n.date = {6, 9, 26};
    n.settings = {SkinsMode::both, true, true, 200};
    const char* names[] = {"Bill Archer", "Dana Brooks", "Ed Castillo", "Jack Hughes"};
    for (const char* flight : {"A", "B", "C", "D"})
        for (SkinKind kind : {SkinKind::gross, SkinKind::net}) {
            SkinsGame game{flight, kind, 4, 800, {}, 1, true, 16, 50, 0};
            for (int hole = 1; hole <= 15; ++hole)
                game.wins.push_back({hole, names[hole % 4], 4, 0, 50});
            n.games.push_back(game);
        }
    QtPrintSurface pdf((folder + "/skins-sheet.pdf").toStdString());
    printresults(pdf, g, skinslines("Tuesday Night League", n), "06-10-2026");
}

// A new season started: the windows say so; the kept season can be chosen.
void keptseason(MainWindow& main, FakeServices& fake) {
    fake.dialogs.answers = {Answer::yes};
    main.action(menu::newseasonmenu)->trigger();
    QWidget* w = shoot(main, menu::nightresultsmenu, "Nightform", "Nightform-newseason");
    if (auto* seasons = w ? w->findChild<QComboBox*>("Seasoncombo") : nullptr)
        seasons->setCurrentIndex(1);
    save(w, "Nightform-kept");
    click(w, "Donebutton");
    shoot(main, menu::standingsmenu, "Standform", "Standform-newseason", "Donebutton");
}

// The new season's question, answered No.
void newseason(MainWindow& main, FakeServices& fake) {
    fake.dialogs.answers = {Answer::no};
    main.action(menu::newseasonmenu)->trigger();
    if (!fake.dialogs.shown.empty()) savequestion(fake.dialogs.shown.back(), "newseasonquestion");
}

// A night's line of the results file on Cedar Ridge: one nine's hole scores.
std::string matchnight(const std::string& date, bool back, int p, const std::string& name) {
    const int par[] = {4, 5, 3, 4, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5};
    std::string holes;
    int total = 0;
    for (int h = 0; h < 18; ++h) {
        const bool played = back == (h >= 9);
        const int score = played ? par[h] + (h * 3 + p * 5) % 4 - 1 : 0;
        total += score;
        holes += " " + std::to_string(score);
    }
    const int hcp = 8 + p;
    return date + " 1 2" + holes +
           (back ? " 0 " + std::to_string(total) : " " + std::to_string(total) + " 0") + " " +
           std::to_string(total) + " " + std::to_string(16 + 2 * p) + ".0 " + std::to_string(hcp) +
           " " + std::to_string(hcp) + " " + std::to_string(total - hcp) + " " + name;
}

void printpdf(const char* name, const std::function<void(PrintSurface&)>& layout) {
    QtPrintSurface pdf((folder + "/" + name + ".pdf").toStdString());
    layout(pdf);
}

// Match play on four teams of two: two nights played (the Wrens' second player away the
// first), the settings, the schedule, a week's sheet and matches, the standings, and the
// printouts as PDF files.
void matchplaywindows(MainWindow& main, const fs::path& data, ProgramState& g) {
    const char* names[] = {"",
                           "Bill Archer",
                           "Dana Brooks",
                           "Ed Castillo",
                           "Frank Doyle",
                           "Grace Ellis",
                           "Hank Foster",
                           "Irene Garza",
                           "Jack Hughes"};
    writebytes(data / "Tuesday Night League.tea",
               " 4 \r\nEagles\r\nHawks\r\nOwls\r\nWrens\r\n 1 \r\n 1 \r\n 2 \r\n 2 \r\n 3 \r\n"
               " 3 \r\n 4 \r\n 4 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    std::vector<std::string> lines;
    for (int p = 1; p <= 7; ++p) lines.push_back(matchnight("06/16/26", false, p, names[p]));
    for (int p = 1; p <= 8; ++p) lines.push_back(matchnight("06/23/26", true, p, names[p]));
    std::string file = "Greenfold results 2\r\n 100 \r\n 0 \r\n 1 \r\n 4 \r\n 10 \r\n 8 \r\n"
                       " 6 \r\n 4 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n"
                       " 0 \r\n 0 \r\n 0 \r\n0.00\r\n 0 \r\n " +
                       std::to_string(lines.size()) + " \r\n";
    for (const std::string& line : lines) file += line + "\r\n";
    writebytes(data / "Tuesday Night League.res", file);

    QWidget* w = shoot(main, menu::matchsettingsmenu, "Matchsetform", "Matchsetform-off");
    if (auto* on = w ? w->findChild<QCheckBox*>("Oncheck") : nullptr) on->setChecked(true);
    save(w, "Matchsetform");
    click(w, "Savebutton");
    w = shoot(main, menu::schedulemenu, "Scheduleform", "Scheduleform-new");
    if (w) {
        w->findChild<QLineEdit*>("Firstdatetext")->setText("06/16/26");
        w->findChild<QSpinBox*>("Weeksspin")->setValue(6);
        w->findChild<QLineEdit*>("Skiptext")->setText("07/07/26");
        w->findChild<QLineEdit*>("Positiontext")->setText("6");
        click(w, "Makebutton");
        save(w, "Scheduleform");
        click(w, "Donebutton");
    }
    w = shoot(main, menu::weekmatchesmenu, "Weekform", "Weekform");
    if (auto* weeks = w ? w->findChild<QComboBox*>("Weekcombo") : nullptr) {
        weeks->setCurrentIndex(0);
        if (auto* list = w->findChild<QListWidget*>("Sheetlist")) list->setCurrentRow(4);
        save(w, "Weekform-week1");
        weeks->setCurrentIndex(2);
        save(w, "Weekform-week3");
        click(w, "Donebutton");
    }
    shoot(main, menu::matchstandingsmenu, "Matchstandform", "Matchstandform", "Donebutton");
    QtHelpViewer help;
    help.show("Match Play");
    save(&help, "help-matchplay");

    using namespace matchplay;
    MatchSeason s = openseason(g, data);
    complete(s);
    const std::string font = reportfontname(g);
    printpdf("matchschedule", [&](PrintSurface& p) {
        printmatchlines(p, g, schedulelines("Tuesday Night League", s.file.schedule), "06-30-2026",
                        true);
    });
    for (int number : {1, 3}) {
        const Week* week = findweek(s.file.schedule, number);
        if (!week) continue;
        const WeekResult r = workoutweek(*week, s.file.sheet(number), s.sides.sides,
                                         nightof(s.nights, number), s.file.settings);
        if (number == 1)
            printpdf("matchweek1", [&](PrintSurface& p) {
                printmatchlines(p, g, matcheslines("Tuesday Night League", r, s.file.settings),
                                "06-30-2026", false);
            });
        const auto cards =
            weekcards(s.file, s.sides.sides, cardnight(g, s.results, *week, 1), *week, 1);
        printpdf(number == 1 ? "scorecards-week1" : "scorecards-week3",
                 [&](PrintSurface& p) { printscorecards(p, cards, font); });
    }
    printpdf("matchstandings", [&](PrintSurface& p) {
        printmatchlines(
            p, g,
            standingslines("Tuesday Night League", standings(s.file, s.sides.sides, s.nights)),
            "06-30-2026", false);
    });
    const auto stroke =
        nightcards(g, s.results, {1, 2, 3, 4, 5, 6, 7, 8}, 1, {6, 30, 26}, Nine::all);
    printpdf("scorecards-strokeplay", [&](PrintSurface& p) { printscorecards(p, stroke, font); });
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: greenfold-screens FOLDER\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    fs::create_directories(argv[1]);
    TempDir data, sys;
    for (const auto& f : fs::directory_iterator(GREENFOLD_DEMO))
        fs::copy_file(f.path(), data.path() / f.path().filename());
    FakeServices fake;
    auto g = std::make_unique<ProgramState>();
    MainWindow main(*g, fake.services);
    shell(main, data.path(), sys.path(), *g, fake);
    leaguenight(main);
    reports(main);
    roster(main, data.path());
    results(main, data.path());
    skinssheet(*g);
    newseason(main, fake);
    whsnight(main, fake, *g);
    keptseason(main, fake);
    matchplaywindows(main, data.path(), *g);
    return failures == 0 ? 0 : 1;
}
