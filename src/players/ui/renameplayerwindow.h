#pragma once

#include "platform/pickerwindow.h"
#include "platform/qtforward.h"
#include "results/nightrecord.h"

#include <filesystem>

namespace greenfold {

struct ProgramState;

// Renames players of the open league. A click on a name puts it in the box for
// editing; the league file is written when the window closes.
class RenamePlayerWindow : public PickerWindow {
    Q_OBJECT

  public:
    RenamePlayerWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                       QWidget* mainwindow);
    void load() override;
    void rename();

  protected:
    void leaving() override;

  private:
    void buildgrid(QPushButton* renamebutton, QPushButton* infobutton, QPushButton* exitbutton);

    ProgramState& g_;
    std::filesystem::path datadir_;
    RosterChanges results_; // the results file follows when the league is saved
    QLineEdit* text1_;
};

} // namespace greenfold
