#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

namespace greenfold {

struct ProgramState;

// Prints handicap cards for the players marked in the list, ten to a sheet, and keeps
// the three adjustments for the user's card stock in the settings file.
class HandicapCardsWindow : public FormWindow {
    Q_OBJECT

  public:
    HandicapCardsWindow(ProgramState& model, Services& services, QWidget* mainwindow);
    void load() override;
    void print();

  protected:
    void leaving() override;

  private:
    QWidget* buildadjustments();
    void showcount();
    // Takes the three boxes into the settings.
    void readadjustments();

    ProgramState& g_;
    QListWidget* list1_;
    QLineEdit* text1_;
    QLineEdit* hoffsettext_;
    QLineEdit* wdoffsettext_;
    QLineEdit* pscalingtext_;
    QLabel* printcountlabel_;
    QTimer* timer1_;
};

} // namespace greenfold
