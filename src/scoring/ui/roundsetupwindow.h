#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"
#include "scoring/roundsetup.h"

#include <QDate>

#include <filesystem>

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

  signals:
    // The set-up is complete; the score window takes over.
    void accepted(const greenfold::ScoreSession& session);

  private:
    QWidget* builddate();
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
