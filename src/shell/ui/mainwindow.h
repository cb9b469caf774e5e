#pragma once

#include "charts/ui/chartwindows.h"
#include "lists/views.h"
#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <QMainWindow>

#include <array>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <utility>

namespace greenfold {

struct ProgramState;
struct Services;
class SpinButton;

// The main window: menus, toolbar, status and hint panels, and the round list of the
// open league in its three views. It only shows what the core works out.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(ProgramState& model, Services& services, QWidget* parent = nullptr);

    // The load that runs while the splash shows: layout for the screen, settings and
    // latest-league record, the File menu's league entries, the league commands off.
    void load(const std::filesystem::path& datadir, const std::string& systemdir);
    void uselowcolourtoolbar();

    // A menu entry or control by its name ("Viewmenu_2", "leaguesmenu_0").
    QAction* action(const QString& name) const;
    QLabel* messagepanel() const { return messagepanel_; }
    QLabel* actionmessage() const { return actionmessage_; }
    QListWidget* list1() const { return list1_; }
    QListWidget* list2() const { return list2_; }
    const RoundView& roundview() const { return view_; }
    // The lines of the two lists exactly as they show. The lists, not the model, are
    // what is printed: after another window changed the player it worked on, or before
    // the view's redraw after score entry, the model already holds something the user
    // is not looking at.
    ListLines shownlines() const;

    // Commands other windows and tests call.
    void openleague(int entry);
    void viewcommand(int view);
    void refreshleaguemenu();
    void noleaguestate();
    // After a restore has copied files: the open league is closed and what start-up
    // reads is read again, so nothing held in memory is saved over the restored files.
    void rereadafterrestore();
    void hidescrollers();
    void showplayerrounds();
    void startviewtimer();
    // Draws the open view again at once, where it stands: the same player, the same
    // date. After a change that works rounds out again, nothing shows the old figures.
    void redrawview();
    // Opens a window of the program the one way every command does: the main window is
    // off until the window has closed without handing over to another window, then on
    // again, and then runs. The caller connects any hand-over signal of its own.
    void openwindow(FormWindow* window, const std::function<void()>& then = {});
    ChartTag tag = ChartTag::none;

    // The data folder the open league lives in.
    const std::filesystem::path& datadir() const { return datadir_; }
    ProgramState& model() const { return g_; }
    Services& services() const { return services_; }

  signals:
    void aboutrequested();

  protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // A menu entry's control name and caption.
    using MenuEntry = std::pair<const char*, const char*>;

    void buildmenus();
    void buildfilemenu();
    void buildothermenus();
    void buildviewmenu();
    void buildhelpmenu();
    QMenu* addmenu(const char* name, const QString& caption);
    void addentries(QMenu* menu, std::initializer_list<MenuEntry> entries);
    // Commands of league night: courses, entering and editing rounds, settings
    // (mainwindownight.cpp).
    void wireleaguenight();
    // Commands of the roster and the teams (mainwindowroster.cpp).
    void wireroster();
    // Printing and reports (mainwindowreports.cpp).
    void wirereports();
    // The analysis charts (mainwindowcharts.cpp).
    void wirecharts();
    // Backup and restore (mainwindowbackup.cpp).
    void wirebackup();
    // Night results, standings and their settings (mainwindowresults.cpp).
    void wireresults();
    // Match play's settings, schedule, weeks and standings (mainwindowmatches.cpp); its
    // commands beyond the settings only while the open league plays match play.
    void wirematches();
    void showmatchcommands(bool leagueopen);
    void buildtoolbar(QWidget* parent);
    QWidget* buildbody(QWidget* parent);
    QFrame* buildcoursepanel(QWidget* parent);
    QAction* addentry(QMenu* menu, const QString& name, const QString& caption);
    void setleaguecommands(bool on);
    void checkview(int view);
    void showlines(const ListLines& lines);
    void syncscrollers();
    void scrollto(int top);
    void showhint(int button);
    void clearhints();
    void toolbuttonclicked(int button);
    void openplayerpicker();
    void opencreateleague();
    void spin(bool up);
    void applylayout();

    ProgramState& g_;
    Services& services_;
    std::filesystem::path datadir_;
    std::string systemdir_;
    RoundView view_;
    std::map<QString, QAction*> actions_;
    QMenu* openmenu_ = nullptr;
    QLabel* messagepanel_ = nullptr;
    QLabel* actionmessage_ = nullptr;
    std::array<QToolButton*, 15> toolbuttons_{};
    std::array<QLabel*, 5> buttonlabels_{};
    QListWidget* list1_ = nullptr;
    QListWidget* list2_ = nullptr;
    QScrollBar* hscroll1_ = nullptr;
    QScrollBar* vscroll1_ = nullptr;
    QFrame* picture1_ = nullptr;
    QFrame* picture2_ = nullptr;
    SpinButton* spin1_ = nullptr;
    QFrame* coursepanel_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* messagetimer_ = nullptr;
    QTimer* viewtimer_ = nullptr;
};

} // namespace greenfold
