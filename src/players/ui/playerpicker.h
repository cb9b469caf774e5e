#pragma once

#include "platform/pickerwindow.h"

namespace greenfold {

struct GOLF1;

// Picks the player whose rounds the main window shows. A double-click on a name is the
// same as Accept.
class chooseplayer : public PickerWindow {
    Q_OBJECT

  public:
    chooseplayer(GOLF1& model, Services& services, QWidget* mainwindow);
    void load() override;
    void accept();

  signals:
    // The main window shows the rounds of player p (playerno).
    void accepted(int p);

  private:
    GOLF1& g_;
};

} // namespace greenfold
