#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <filesystem>
#include <memory>
#include <vector>

namespace greenfold {

struct ProgramState;
struct Teamdata;
class SpinButton;

// Moves one player at a time to another position of the roster. Positions are roster
// slots: each list line remembers the slot it shows, as players without a name have no
// line. Closing writes the team file (when players have teams) and the league file.
class PlayerOrderWindow : public FormWindow {
    Q_OBJECT

  public:
    PlayerOrderWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                      QWidget* mainwindow);
    ~PlayerOrderWindow() override;
    void load() override;
    void change();

  protected:
    void leaving() override;

  private:
    void fill();
    void choose(int row);
    void typed(const QString& text);
    void spin(int step);
    void showtarget();

    ProgramState& g_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
    std::vector<int> slots_; // the roster slot of each list line
    int current_ = 0;        // slot of the chosen player, 0 while none is chosen
    int target_ = 0;
    QListWidget* list1_;
    QLabel* label1_;
    QLabel* playerlabel_;
    QLineEdit* text1_;
    SpinButton* spinbutton1_;
    QPushButton* changebutton_;
};

} // namespace greenfold
