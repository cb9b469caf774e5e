#pragma once

#include "platform/qtforward.h"
#include "results/ui/resultswindow.h"

#include <vector>

class QSpinBox;
class QDoubleSpinBox;
class QComboBox;
class QCheckBox;
class QTableWidget;
class QButtonGroup;

namespace greenfold {

// The competition settings of the open league: the results allowance, net or gross,
// how ties are settled, the points table and participation points, flights and how
// players are put in them (by hand in the table; by handicap the table shows the draw),
// how many nights count, the skins and how many players' points make a team's night.
// Save writes them into the league's results file; Cancel leaves it as it was.
class CompetitionSettingsWindow : public ResultsWindow {
    Q_OBJECT

  public:
    CompetitionSettingsWindow(ProgramState& model, Services& services,
                              std::filesystem::path datadir, QWidget* mainwindow);
    void load() override;
    void save();

  private:
    QWidget* buildscoring();
    QWidget* buildflights();
    QWidget* buildskins();
    void enableskins();
    void showsettings();
    void enableflights();
    void showflights();
    void keephandflights();
    CompetitionSettings shownsettings() const;

    QSpinBox* allowance_;
    QSpinBox* participation_;
    QSpinBox* best_;
    QSpinBox* flightcount_;
    QLineEdit* points_;
    QButtonGroup* scoring_;
    QButtonGroup* ties_;
    QButtonGroup* flights_;
    QButtonGroup* draw_;
    QTableWidget* table_;
    QLabel* flightnote_;
    std::vector<QString> handflights_; // the flights by hand as typed, while the table shows a draw
    int tablemode_ = -1;               // the way of flights the table shows
    QComboBox* skins_;
    QCheckBox* carry_;
    QCheckBox* split_;
    QDoubleSpinBox* stake_;
    QSpinBox* teambest_;
};

} // namespace greenfold
