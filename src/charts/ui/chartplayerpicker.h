#pragma once

#include "platform/pickerwindow.h"

#include <vector>

namespace greenfold {

struct GOLF1;

// Picks the player whose chart the Analysis menu opens. A double-click on a name is the
// same as Accept. Which chart follows is the main window's business (its tag).
class ANchooseplayer : public PickerWindow {
    Q_OBJECT

  public:
    ANchooseplayer(GOLF1& model, Services& services, QWidget* mainwindow);
    void load() override;
    void accept();

  signals:
    // The chart of player p (playerno) takes over from the picker.
    void chosen(int p);

  protected:
    void leaving() override;

  private:
    GOLF1& g_;
    std::vector<int> slots_; // the player of each list line
};

} // namespace greenfold
