#pragma once

#include "platform/pickerwindow.h"

namespace greenfold {

struct ProgramState;

// Picks the player whose rounds the main window shows. A double-click on a name is the
// same as Accept.
class PlayerPicker : public PickerWindow {
    Q_OBJECT

  public:
    PlayerPicker(ProgramState& model, Services& services, QWidget* mainwindow);
    void load() override;
    void accept();

  signals:
    // The main window shows the rounds of player p (playerno).
    void accepted(int p);

  private:
    ProgramState& g_;
};

} // namespace greenfold
