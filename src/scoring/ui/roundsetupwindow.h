#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"
#include "scoring/roundsetup.h"

#include <QDate>

#include <filesystem>
#include <optional>

namespace greenfold {

struct ProgramState;
class SpinButton;

// Round set-up: who played, on which course and on which date. Accepting hands the
// score window its session; closing the window any other way is Cancel: nobody waits
// for entry.
class RoundSetupWindow : public FormWindow {
    Q_OBJECT

  public:
    RoundSetupWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                     QWidget* mainwindow);
    // The date starts at today's.
    void load() override { load(QDate::currentDate()); }
    void load(const QDate& today);

    void accept();
    void selectall();
    // Scorecards for the chosen players on the course and the date, each with the strokes
    // of his handicap in effect, over the holes chosen for the cards.
    void printcards();

  signals:
    // The set-up is complete; the score window takes over.
    void accepted(const greenfold::ScoreSession& session);

  private:
    QWidget* builddate();
    QWidget* buildcards();
    // The set-up as chosen; nothing, and said, without a course or a player.
    std::optional<SetupResult> chosensetup();
    SpinButton* datespin(QWidget* parent, const char* name, const char* tip,
                         void (RoundSetupWindow::*step)(bool));
    void stepmonth(bool up);
    void stepday(bool up);
    void stepyear(bool up);
    void showdate();

    ProgramState& g_;
    std::filesystem::path datadir_;
    QListWidget* list1_;
    QComboBox* coursecombo_;
    QComboBox* cardscombo_ = nullptr;
    QLabel* monthlabel_ = nullptr;
    QLabel* daylabel_ = nullptr;
    QLabel* yearlabel_ = nullptr;
    SpinButton* yearspin_ = nullptr;
    SetupPlayers players_;
    int month_ = 1;
    int day_ = 1;
    int year_ = 0;
};

} // namespace greenfold
