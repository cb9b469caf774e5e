// Match play through the windows: a week set up and its sheet typed through the windows
// gives the same match file, and shows the same, as the same week through greenfold-cli;
// and each window's commands: its questions, printouts, posting and help.
#include "cli/commands.h"
#include "matchplay/ui/weekmatcheswindow.h"
#include "model/coursefile.h"
#include "shell/ui/menunames.h"
#include "support/windowfixture.h"
#include "teams/teamfile.h"
#include "whs/strokeindex.h"

#include <QCheckBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>
#include <set>
#include <sstream>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

const char* matfile = "Tuesday Night League.mat";
const std::string leaguename = "Tuesday Night League";

struct CliOut {
    int status;
    std::string out, err;
};

// Three teams of two and a substitute each for two of them; Cedar Ridge with stroke
// indexes; a night on its front nine, 06/30/26, without the third, sixth and eighth players.
class MatchWindows : public DemoWindows {
  protected:
    void SetUp() override {
        for (const auto& f : fs::directory_iterator(demofolder))
            if (f.path().extension() != ".mat") // a league new to match play
                fs::copy_file(f.path(), data.path() / f.path().filename());
        prepare();
        for (const auto& f : fs::directory_iterator(data.path()))
            fs::copy_file(f.path(), cli.path() / f.path().filename());
        start();
    }

    void prepare() {
        ProgramState league;
        league.leaguefile = demoleague;
        ASSERT_TRUE(loadleague(league, data.path()));
        ASSERT_TRUE(loadcourses(league, data.path()));
        league.coursedata[1][courseline_strokeindex] =
            whs::strokeindexline({7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10});
        ASSERT_TRUE(savecourses(league, data.path()));
        auto t = std::make_unique<Teamdata>();
        t->teamcount = 3;
        t->teamname = {"", "Eagles", "Hawks", "Owls"};
        const int16_t teams[] = {0, 1, 1, 2, 2, 3, 3, 1, 2};
        for (int p = 1; p <= 8; ++p) league.playerteam[p] = teams[p];
        ASSERT_TRUE(writeteamfile(league, *t, data.path()));
        for (int p = 1; p <= 8; ++p) name[p] = league.playername[p];
        std::string csv = "Date,Player,Course,Tee,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n";
        for (int p : {1, 2, 4, 5, 7}) {
            csv += "06/30/26," + name[p] + ",Cedar Ridge,mens";
            for (int h = 1; h <= 18; ++h)
                csv += h <= 9 ? "," + std::to_string(4 + (h + p) % 3) : ",";
            csv += "\r\n";
        }
        writebytes(sys.path() / "night.csv", csv);
        const CliOut imported = run(
            data.path(), {"import", "Tuesday Night League", (sys.path() / "night.csv").string()});
        ASSERT_EQ(imported.status, 0) << imported.err;
    }

    CliOut run(const fs::path& folder, std::vector<std::string> args) {
        args.insert(args.begin(), {"--dir", folder.string()});
        std::ostringstream out, err;
        CliContext ctx{out, err, sys.path().string() + "/", {2026, 7, 1}};
        const int status = greenfold::runcli(args, ctx);
        return {status, out.str(), err.str()};
    }
    CliOut runcli(std::vector<std::string> args) { return run(cli.path(), std::move(args)); }

    // The sheet's line of a regular's slot made current.
    void chooseslot(QWidget* w, const std::string& regular) {
        auto* list = control<QListWidget>(w, "Sheetlist");
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->data(Qt::UserRole).toString().toStdString() == regular)
                list->setCurrentRow(row);
        ASSERT_EQ(list->currentItem()->data(Qt::UserRole).toString().toStdString(), regular);
    }
    void fillslot(QWidget* w, const std::string& regular, int how, const char* combo = nullptr,
                  const std::string& choice = {}) {
        chooseslot(w, regular);
        control<QRadioButton>(w, QString("Option1_%1").arg(how))->click();
        if (combo) control<QComboBox>(w, combo)->setCurrentText(QString::fromStdString(choice));
        click(w, "Applybutton");
    }
    // Match play on with 3 penalty strokes, and a schedule of four weeks from 06/30/26.
    void setupseason() {
        QWidget* w = open(menu::matchsettingsmenu, "Matchsetform");
        control<QCheckBox>(w, "Oncheck")->setChecked(true);
        control<QSpinBox>(w, "Penaltyspin")->setValue(3);
        click(w, "Savebutton");
        ASSERT_EQ(window("Matchsetform"), nullptr);
        w = open(menu::schedulemenu, "Scheduleform");
        control<QLineEdit>(w, "Firstdatetext")->setText("06/30/26");
        control<QSpinBox>(w, "Weeksspin")->setValue(4);
        control<QLineEdit>(w, "Skiptext")->setText("07/14/26");
        control<QLineEdit>(w, "Positiontext")->setText("4");
        click(w, "Makebutton");
        EXPECT_EQ(control<QTableWidget>(w, "Weektable")->rowCount(), 4);
        click(w, "Donebutton");
    }

    std::string windowtext(const char* list) {
        std::string out;
        for (const std::string& l : lines(control<QListWidget>(window("Matchstandform"), list)))
            out += l + "\n";
        return out;
    }

    TempDir cli;
    std::array<std::string, 9> name;
};

// The accelerator letters of a window's buttons and labelled boxes, or of a menu, that
// stand for two things.
std::string twice(const QStringList& texts) {
    std::set<QChar> seen;
    std::string out;
    for (const QString& t : texts) {
        const qsizetype at = QString(t).replace("&&", "").indexOf('&');
        if (at < 0 || at + 1 >= t.size()) continue;
        const QChar letter = QString(t).replace("&&", "").at(at + 1).toLower();
        if (!seen.insert(letter).second) out += t.toStdString() + " ";
    }
    return out;
}
std::string twice(QWidget* w) {
    QStringList texts;
    for (auto* b : w->findChildren<QAbstractButton*>()) texts << b->text();
    for (auto* l : w->findChildren<QLabel*>())
        if (l->buddy()) texts << l->text();
    return twice(texts);
}

} // namespace

TEST_F(MatchWindows, aWeekTypedThroughTheWindows_equalsTheWeekThroughTheCommandLine) {
    EXPECT_TRUE(mainwindow->action(menu::matchsettingsmenu)->isEnabled());
    EXPECT_FALSE(mainwindow->action(menu::weekmatchesmenu)->isEnabled()); // match play off
    setupseason();
    EXPECT_TRUE(mainwindow->action(menu::weekmatchesmenu)->isEnabled());
    // Week 1: Hawks v Owls, the Eagles with the bye. The third player (Hawks) is away and
    // his team's substitute, the eighth, has no round either, so the seventh (an Eagles
    // substitute) stands in with a match handicap typed for him; the Owls' sixth player's
    // absent slot plays the first player's card drawn; the fourth is put down absent though he
    // has a round: his phantom plays.
    QWidget* w = open(menu::weekmatchesmenu, "Weekform");
    EXPECT_EQ(control<QComboBox>(w, "Weekcombo")->currentText().toStdString(),
              "Week 1, 06/30/26, front nine (played)");
    using W = WeekMatchesWindow;
    fillslot(w, name[3], W::substitute, "Subcombo", name[7]);
    chooseslot(w, name[3]);
    control<QSpinBox>(w, "Mhspin")->setValue(14);
    click(w, "Mhbutton");
    fillslot(w, name[6], W::drawn, "Drawcombo", name[1]);
    fillslot(w, name[4], W::absent);
    EXPECT_TRUE(fake.dialogs.shown.empty());

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"matchplay", leaguename, "--set", "match-play=on", "--set", "penalty=3"},
             {"schedule", leaguename, "--make", "--weeks", "4", "--first", "06/30/26", "--skip",
              "07/14/26", "--position", "4"},
             {"sheet", leaguename, "--week", "1", "--sub", name[3] + "=" + name[7]},
             {"sheet", leaguename, "--week", "1", "--mh", name[7] + "=14"},
             {"sheet", leaguename, "--week", "1", "--draw", name[6] + "=" + name[1]},
             {"sheet", leaguename, "--week", "1", "--absent", name[4]}}) {
        const CliOut r = runcli(args);
        ASSERT_EQ(r.status, 0) << r.err;
    }
    EXPECT_EQ(readbytes(data.path() / matfile), readbytes(cli.path() / matfile));
    const CliOut csv = runcli({"matches", leaguename, "--week", "1", "--csv"});
    EXPECT_EQ(run(data.path(), {"matches", leaguename, "--week", "1", "--csv"}).out, csv.out);
    EXPECT_NE(csv.out.find("," + name[7] + ",substitute,,14,"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find("," + name[6] + ",draw," + name[1] + ","), std::string::npos);
    EXPECT_NE(csv.out.find("," + name[4] + ",phantom,,"), std::string::npos);
    // The window shows what the command line prints, number for number.
    EXPECT_EQ(control<QPlainTextEdit>(w, "Matchestext")->toPlainText().toStdString() + "\n",
              runcli({"matches", leaguename, "--week", "1"}).out);
    click(w, "Donebutton");
    open(menu::matchstandingsmenu, "Matchstandform");
    EXPECT_TRUE(windowtext("List1").starts_with(runcli({"matchstandings", leaguename}).out));
}

TEST_F(MatchWindows, eachWindowsCommands) {
    setupseason();
    fake.dialogs.shown.clear();
    // The schedule: week 2 postponed (asked, Yes), week 3 not cancelled (No), two sides of
    // week 2 swapped; made again, the played week 1 stays.
    QStringList results;
    for (QAction* a : mainwindow->findChild<QMenu*>("Resultsmenu")->actions()) results << a->text();
    EXPECT_EQ(twice(results), "");
    QWidget* s = open(menu::schedulemenu, "Scheduleform");
    EXPECT_EQ(twice(s), "");
    auto* table = control<QTableWidget>(s, "Weektable");
    EXPECT_EQ(table->item(0, 2)->text(), "front, played");
    table->selectRow(1);
    const QString before = table->item(1, 3)->text();
    fake.dialogs.answers = {Answer::yes, Answer::no};
    click(s, "Postponebutton");
    EXPECT_EQ(table->item(1, 1)->text(), "07/21/26"); // past the no-play date
    table->selectRow(2);
    click(s, "Cancelweekbutton");
    EXPECT_EQ(table->item(2, 2)->text(), "front");
    table->selectRow(1);
    control<QComboBox>(s, "Side2combo")->setCurrentIndex(2);
    click(s, "Swapbutton");
    EXPECT_NE(table->item(1, 3)->text(), before);
    fake.dialogs.answers = {Answer::yes};
    click(s, "Makebutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_NE(fake.dialogs.shown[2].message.text.find("Week 1 has been played"), std::string::npos);
    EXPECT_EQ(table->item(0, 2)->text(), "front, played");
    click(s, "Printbutton");
    ASSERT_EQ(printouts.size(), 1u);
    EXPECT_EQ(printouts[0]->pages, 1);
    click(s, "Infobutton");
    click(s, "Donebutton");

    // The week: its results and its cards printed (one card for the one match: the four
    // players, each with his strokes), and the week posted to the teams.
    QWidget* w = open(menu::weekmatchesmenu, "Weekform");
    EXPECT_EQ(twice(w), "");
    // A substitute who plays for the other side is refused, and nothing is written.
    const std::string sheet = readbytes(data.path() / matfile);
    fillslot(w, name[4], WeekMatchesWindow::substitute, "Subcombo", name[5]);
    EXPECT_EQ(fake.dialogs.shown.back().message.text,
              name[5] + " plays for another side that night.");
    EXPECT_EQ(readbytes(data.path() / matfile), sheet);
    click(w, "Printbutton");
    click(w, "Cardsbutton");
    ASSERT_EQ(printouts.size(), 3u);
    EXPECT_FALSE(printouts[1]->find("Hawks v Owls").empty());
    EXPECT_EQ(printouts[2]->find("Hawks v Owls").size(), 1u);
    EXPECT_EQ(printouts[2]->find("Hawks A: ").size(), 1u);
    const auto& drawn = printouts[2]->drawings;
    EXPECT_GT(std::count_if(drawn.begin(), drawn.end(), [](const auto& d) { return d.filled; }), 0);
    fake.dialogs.answers = {Answer::yes};
    click(w, "Postbutton");
    EXPECT_NE(fake.dialogs.shown.back().message.text.find("Week 1 is posted to the teams"),
              std::string::npos);
    EXPECT_NE(readbytes(teamfile()).find("Week 1 v Owls"), std::string::npos);
    click(w, "Infobutton");
    click(w, "Donebutton");

    // The standings print as shown; the settings ask before the holes clear weeks 2 to 4.
    QWidget* t = open(menu::matchstandingsmenu, "Matchstandform");
    EXPECT_EQ(twice(t), "");
    click(t, "Printbutton");
    EXPECT_EQ(printouts.size(), 4u);
    click(t, "Infobutton");
    click(t, "Donebutton");
    QWidget* m = open(menu::matchsettingsmenu, "Matchsetform");
    EXPECT_EQ(twice(m), "");
    control<QComboBox>(m, "Holescombo")->setCurrentIndex(1);
    const std::string mat = readbytes(data.path() / matfile);
    fake.dialogs.answers = {Answer::no};
    click(m, "Savebutton");
    EXPECT_NE(fake.dialogs.shown.back().message.text.find("the 3 weeks"), std::string::npos);
    EXPECT_EQ(readbytes(data.path() / matfile), mat);
    click(m, "Infobutton");
    click(m, "Cancelbutton");
    EXPECT_EQ(fake.help.shown, Lines(4, "Match Play"));

    // A stroke-play night's cards from the round set-up: one card for three players.
    QWidget* r = open(menu::entermenu, "selectplayers");
    EXPECT_EQ(twice(r), "");
    pick(control<QListWidget>(r, "List1"), {0, 1, 2});
    QTest::keyClicks(control<QComboBox>(r, "coursecombo")->lineEdit(), "cedar ridge");
    control<QComboBox>(r, "cardscombo")->setCurrentIndex(1);
    click(r, "cardsbutton");
    ASSERT_EQ(printouts.size(), 5u);
    EXPECT_EQ(printouts[4]->find("Stroke play").size(), 1u);
    EXPECT_EQ(printouts[4]->find(name[2]).size(), 1u);
}
