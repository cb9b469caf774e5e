#pragma once

#include "matchplay/ui/matchwindow.h"
#include "platform/qtforward.h"

namespace greenfold {

// The season's table of match points, and in the team format each player's own points
// from his single matches; printed as shown.
class MatchStandingsWindow : public MatchWindow {
    Q_OBJECT

  public:
    MatchStandingsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                         QWidget* mainwindow);
    void load() override;
    void print();

  private:
    QListWidget* list1_;
    std::vector<std::string> lines_;
};

} // namespace greenfold
