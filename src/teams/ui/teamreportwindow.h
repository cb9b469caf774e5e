#pragma once

#include "platform/qtforward.h"
#include "teams/ui/teamwindow.h"

#include <filesystem>

namespace greenfold {

// Team report printing options: whether to list each team's players, and all of each
// team's records or only the newest one. Prints the team summary report and offers
// Printer Setup; the teams are only read, never written.
class TeamReportWindow : public TeamWindow {
    Q_OBJECT

  public:
    TeamReportWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                     QWidget* mainwindow);
    // Reads the teams and shows the window.
    void load() override;
    void print();

  private:
    QWidget* buildtypes();

    QCheckBox* namescheck_;
    QRadioButton* lastonly_;
};

} // namespace greenfold
