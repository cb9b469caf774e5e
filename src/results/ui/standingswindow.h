#pragma once

#include "platform/qtforward.h"
#include "results/ui/resultswindow.h"

namespace greenfold {

// The season's standings: each player's points, nights and average net, flight by
// flight; printed as shown. A kept season can be chosen and is shown read only. A season
// without a night says so, and each command says why it does nothing.
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
    void showstandings();
    void seasonchanged() override;

    QListWidget* list1_;
    std::vector<std::string> lines_;
};

} // namespace greenfold
