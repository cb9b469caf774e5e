#pragma once

#include "platform/formwindow.h"

#include <filesystem>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace greenfold {

struct GOLF1;
struct Teamdata;

// Point records of each team: a text, a number the user keeps and points the program
// adds into the team's running total. Closing writes the team file.
class teamdataform : public FormWindow {
    Q_OBJECT

  public:
    teamdataform(GOLF1& model, Services& services, std::filesystem::path datadir,
                 QWidget* mainwindow);
    ~teamdataform() override;
    void load() override;
    void exit();

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

    GOLF1& g_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
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
