#pragma once

#include "platform/pickerwindow.h"
#include "scoring/scoreentry.h"

namespace greenfold {

struct ProgramState;

// Picks the round to correct or delete: first the player, then one of the player's
// rounds by its date. The window's tag tells the stage ("edit", then "date").
// The round picker's tag: set to edit by the main window, date once a player is chosen
// and the list shows his rounds.
enum class RoundPickerTag { none, edit, date };

class RoundPicker : public PickerWindow {
    Q_OBJECT

  public:
    RoundPicker(ProgramState& model, Services& services, QWidget* mainwindow);
    void load() override;
    void accept();

    RoundPickerTag tag = RoundPickerTag::none;

  signals:
    // A round was chosen; the score window takes over.
    void roundchosen(const greenfold::ScoreSession& session);

  protected:
    void leaving() override;

  private:
    void chooseplayer();
    void chooseround();

    ProgramState& g_;
    int player_ = 0; // the player whose rounds are listed
};

} // namespace greenfold
