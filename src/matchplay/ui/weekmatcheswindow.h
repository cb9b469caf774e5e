#pragma once

#include "matchplay/ui/matchwindow.h"
#include "platform/qtforward.h"

#include "model/outcome.h"

#include <functional>

class QPlainTextEdit;
class QSpinBox;

namespace greenfold {

namespace matchplay {
struct Week;
struct WeekSheet;
struct SheetContext;
} // namespace matchplay

// A week's matches: the week's sheet, slot by slot (played, or absent with a substitute, a
// phantom with a par card, a drawn card or the teammate's card, or a forfeit), a night's
// match handicap typed for a player without an index; and under it every match worked
// out hole by hole, as greenfold-cli shows it. Each change to the sheet is written at once.
// The week's results and its scorecards are printed, and a played week is posted to the
// teams' point records.
class WeekMatchesWindow : public MatchWindow {
    Q_OBJECT

  public:
    // How a slot is to be filled: the option buttons in this order.
    enum How { plays, substitute, absent, drawn, teammate, forfeit };

    WeekMatchesWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                      QWidget* mainwindow);
    void load() override;
    void showweek();
    // The chosen slot filled as the option buttons say.
    void apply();
    // The night's match handicap of whoever fills the chosen slot.
    void sethandicap();
    void print();
    void printcards();
    void postteams();

  private:
    QWidget* buildslot();
    QWidget* buildbuttons();
    const matchplay::Week* chosenweek() const;
    // The regular of the chosen slot; empty for none.
    std::string chosenslot() const;
    void showslot();
    void showsheet(const matchplay::Week& w);
    void showmatches(const matchplay::Week& w);
    void enableslot(bool on);
    bool editsheet(
        const std::function<Outcome(matchplay::WeekSheet&, const matchplay::SheetContext&)>& edit);
    int cardcourse() const;

    QComboBox* weekcombo_;
    QListWidget* sheet_;
    QButtonGroup* how_;
    QComboBox* subcombo_;
    QComboBox* drawcombo_;
    QSpinBox* mhspin_;
    QWidget* slotbox_;
    QPlainTextEdit* matches_;
    QComboBox* coursecombo_;
    std::vector<int> weeks_;
    std::function<int(int)> draw_; // draws a card at random
};

} // namespace greenfold
