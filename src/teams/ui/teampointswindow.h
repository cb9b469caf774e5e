#pragma once

#include "platform/qtforward.h"
#include "teams/ui/teamwindow.h"

#include <filesystem>

namespace greenfold {

// Point records of each team: a text, a number the user keeps and points the program
// adds into the team's running total. Closing writes the team file.
class TeamPointsWindow : public TeamWindow {
    Q_OBJECT

  public:
    TeamPointsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                     QWidget* mainwindow);
    void load() override;

  protected:
    void leaving() override;

  private:
    void showmembers();
    void listinfo();
    void checkfornewinfo();
    void add();
    void removeentries();
    void switchteam(bool next);
    void datechecked();

    QLineEdit* text1_;
    QLineEdit* manualtext_;
    QLineEdit* calculatedtext_;
    QLineEdit* datetext_;
    QCheckBox* datecheck_;
    QListWidget* list1_;
    QPlainTextEdit* membertext_;
    QLabel* teamnamelabel_;
    QLabel* recordnumberlabel_;
    QLabel* totallabel_;
};

} // namespace greenfold
