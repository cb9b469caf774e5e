#pragma once

#include "platform/formwindow.h"

#include <filesystem>
#include <memory>

class QCheckBox;
class QRadioButton;

namespace greenfold {

struct GOLF1;
struct Teamdata;

// Team report printing options: whether to list each team's players, and all of each
// team's records or only the newest one. Prints the team summary report and offers
// Printer Setup; the teams are only read, never written.
class PrintTeamform : public FormWindow {
    Q_OBJECT

  public:
    PrintTeamform(GOLF1& model, Services& services, std::filesystem::path datadir,
                  QWidget* mainwindow);
    ~PrintTeamform() override;
    // Reads the teams and shows the window.
    void load() override;
    void print();

  private:
    QWidget* buildtypes();

    GOLF1& g_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
    QCheckBox* namescheck_;
    QRadioButton* lastonly_;
};

} // namespace greenfold
