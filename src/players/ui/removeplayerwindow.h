#pragma once

#include "platform/pickerwindow.h"
#include "results/nightrecord.h"

#include <filesystem>
#include <memory>

namespace greenfold {

struct ProgramState;
struct Teamdata;

// Removes players from the open league, one confirmed name at a time. The team file is
// read once when the window opens and written with the league file when it closes, so
// several removals in one visit keep every player's own team.
class RemovePlayerWindow : public PickerWindow {
    Q_OBJECT

  public:
    RemovePlayerWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                       QWidget* mainwindow);
    ~RemovePlayerWindow() override;
    void load() override;
    void remove();

  protected:
    void leaving() override;

  private:
    ProgramState& g_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
    RosterChanges results_; // the results file follows when the league is saved
};

} // namespace greenfold
