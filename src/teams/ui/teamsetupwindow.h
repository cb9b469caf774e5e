#pragma once

#include "platform/qtforward.h"
#include "teams/ui/teamwindow.h"

#include <filesystem>

namespace greenfold {

struct Teamstep;

// Team set-up: creates, names and removes teams and moves players between the list of
// players without a team and the current team. Closing writes the team file.
class TeamSetupWindow : public TeamWindow {
    Q_OBJECT

  public:
    TeamSetupWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                    QWidget* mainwindow);
    void load() override;

  protected:
    void leaving() override;

  private:
    void AddNamestoList();
    void named(const QString& text);
    void addplayers();
    void removeplayers();
    void create();
    void deleteteam();
    void answer(const Teamstep& step);

    QListWidget* list1_;
    QListWidget* list2_;
    QLineEdit* teamnametext_;
    QLabel* recordnumberlabel_;
    QLabel* startlabel_;
    QPushButton* createbutton_;
};

} // namespace greenfold
