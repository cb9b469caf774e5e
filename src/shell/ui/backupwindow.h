#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <filesystem>
#include <vector>

namespace greenfold {

struct GOLF1;

// Copies the data files to a removable disk or any folder the user picks.
class Backupform : public FormWindow {
    Q_OBJECT

  public:
    Backupform(GOLF1& model, Services& services, std::filesystem::path datadir,
               QWidget* mainwindow);
    void load() override;
    void copyfiles();

  protected:
    void leaving() override;

  private:
    std::filesystem::path destination();

    GOLF1& g_;
    std::filesystem::path datadir_;
    QButtonGroup* choices_;
    std::vector<std::filesystem::path> roots_; // one per choice; empty: ask for a folder
    QLabel* status_;
    QTimer* timer1_;
};

} // namespace greenfold
