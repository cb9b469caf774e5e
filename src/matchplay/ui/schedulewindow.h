#pragma once

#include "matchplay/ui/matchwindow.h"
#include "platform/qtforward.h"

class QSpinBox;
class QTableWidget;

namespace greenfold {

// The season's schedule: made from a first date, the number of weeks, the dates without
// play and the position weeks; listed week by week with its date, nine and pairs. A week
// not yet played can have two of its sides swapped, or, rained off, be postponed or
// cancelled. Every change is written at once; a new schedule in place of one with a played
// week is asked first and keeps the played weeks.
class ScheduleWindow : public MatchWindow {
    Q_OBJECT

  public:
    ScheduleWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                   QWidget* mainwindow);
    void load() override;
    void make();
    void postpone();
    void cancel();
    void swap();
    void print();
    // The week of the chosen row; 0 for none.
    int chosenweek() const;

  private:
    QWidget* buildmake();
    QWidget* buildweek();
    void showplan();
    void showweeks(int select = 0);
    void showsides();
    void rainout(bool postponing);

    QLineEdit* first_;
    QSpinBox* weeks_;
    QLineEdit* skip_;
    QLineEdit* positions_;
    QTableWidget* table_;
    QComboBox* side1_;
    QComboBox* side2_;
};

} // namespace greenfold
