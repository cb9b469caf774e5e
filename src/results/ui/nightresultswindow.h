#pragma once

#include "platform/qtforward.h"
#include "results/resultsfile.h"
#include "results/ui/resultswindow.h"

#include <vector>

namespace greenfold {

// A night's results: the nights of the season newest first, and for the chosen one each
// player's gross, handicap and net, his places and points, flight by flight, and under
// them the night's skins when the league plays them; the results and the skins sheet are
// printed apart. A kept season can be chosen and is shown read only. A season without a
// night says so, and each command says why it does nothing.
class NightResultsWindow : public ResultsWindow {
    Q_OBJECT

  public:
    NightResultsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                       QWidget* mainwindow);
    // Reads the results file and shows the newest night.
    void load() override;
    // Posts the chosen night to the teams' point records, after asking.
    void postteams();
    void shownight(int index);
    void print();
    void printskins();

  private:
    std::vector<std::string> shownlines() const;
    std::vector<std::string> skinslines() const;
    void shownights();
    void seasonchanged() override;

    QComboBox* nightcombo_;
    QListWidget* list1_;
    QPushButton* skinsbutton_;
    std::vector<NightDate> nights_;
};

} // namespace greenfold
