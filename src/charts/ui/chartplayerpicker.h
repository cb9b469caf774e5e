#pragma once

#include "platform/pickerwindow.h"

#include <vector>

namespace greenfold {

struct ProgramState;

// Picks the player whose chart the Analysis menu opens. A double-click on a name is the
// same as Accept. Which chart follows is the main window's business (its tag).
class ChartPlayerPicker : public PickerWindow {
    Q_OBJECT

  public:
    ChartPlayerPicker(ProgramState& model, Services& services, QWidget* mainwindow);
    void load() override;
    void accept();

  signals:
    // The chart of player p (playerno) takes over from the picker.
    void chosen(int p);

  protected:
    void leaving() override;

  private:
    ProgramState& g_;
    std::vector<int> slots_; // the player of each list line
};

} // namespace greenfold
