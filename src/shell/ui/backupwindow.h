#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <filesystem>
#include <vector>

namespace greenfold {

struct ProgramState;

// Copies the data files to a removable disk or any folder the user picks.
class BackupWindow : public FormWindow {
    Q_OBJECT

  public:
    BackupWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                 QWidget* mainwindow);
    void load() override;
    void copyfiles();

  protected:
    void leaving() override;

  private:
    std::filesystem::path destination();

    ProgramState& g_;
    std::filesystem::path datadir_;
    QButtonGroup* choices_;
    std::vector<std::filesystem::path> roots_; // one per choice; empty: ask for a folder
    QLabel* status_;
    QTimer* timer1_;
};

} // namespace greenfold
