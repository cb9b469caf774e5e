#pragma once

#include "platform/qtforward.h"
#include "results/ui/resultswindow.h"

namespace greenfold {

// The season's standings: each player's points, nights and average net, flight by
// flight; printed as shown.
class StandingsWindow : public ResultsWindow {
    Q_OBJECT

  public:
    StandingsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                    QWidget* mainwindow);
    void load() override;
    void print();
    // Writes the standings, the newest night and its skins as a web page.
    void saveweb();

  private:
    QListWidget* list1_;
    std::vector<std::string> lines_;
};

} // namespace greenfold
