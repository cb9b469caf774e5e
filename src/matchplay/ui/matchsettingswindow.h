#pragma once

#include "matchplay/ui/matchwindow.h"
#include "platform/qtforward.h"

class QSpinBox;
class QDoubleSpinBox;
class QFormLayout;

namespace greenfold {

namespace matchplay {
struct MatchSettings;
}

// The league's match play settings, each with its default: match play on or off, the
// format, the holes and nines, the handicap allowances and strokes, the points, what an
// absent player gets, byes and tie-breaks, and in the individual format the players who
// only stand in. Save writes them into the match file, asking first when a change of the
// format, the holes or the sides clears the schedule's weeks not yet played; Cancel leaves
// the file as it was.
class MatchSettingsWindow : public MatchWindow {
    Q_OBJECT

  public:
    MatchSettingsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                        QWidget* mainwindow);
    void load() override;
    void save();
    // Every setting back to its default (not saved until Save).
    void defaults();

  private:
    QWidget* buildmatches();
    QWidget* buildpoints();
    QWidget* buildabsent();
    QWidget* buildseason();
    void showsettings(const matchplay::MatchSettings& s);
    void showsubstitutes();
    void enable();
    matchplay::MatchSettings shown() const;
    std::vector<std::string> shownsubstitutes() const;

    QCheckBox* on_;
    QComboBox* format_;
    QComboBox* holes_;
    QComboBox* nines_;
    QSpinBox* allowance_;
    QComboBox* strokes_;
    QSpinBox* maxstrokes_;
    QSpinBox* bestballallowance_;
    QSpinBox* holepoints_;
    QComboBox* halved_;
    QSpinBox* nineholes_;
    QSpinBox* ninenet_;
    QSpinBox* matchholes_;
    QSpinBox* matchnet_;
    QSpinBox* teamnet_;
    QSpinBox* aggregate_;
    QSpinBox* bestball_;
    QLabel* stake_;
    QComboBox* absent_;
    QComboBox* card_;
    QSpinBox* penalty_;
    QComboBox* phantompoints_;
    QDoubleSpinBox* cap_;
    QSpinBox* byepoints_;
    QCheckBox* tiebreaks_;
    QListWidget* substitutes_;
};

} // namespace greenfold
