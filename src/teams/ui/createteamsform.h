#pragma once

#include "platform/formwindow.h"

#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace greenfold {

struct GOLF1;
struct Services;
struct Teamdata;

// Team set-up: creates, names and removes teams and moves players between the list of
// players without a team and the current team. Closing writes the team file.
class createteamsform : public FormWindow {
    Q_OBJECT

  public:
    createteamsform(GOLF1& model, Services& services, std::filesystem::path datadir,
                    QWidget* mainwindow);
    ~createteamsform() override;
    void load() override;
    void exit();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void AddNamestoList();
    void named(const QString& text);
    void addplayers();
    void removeplayers();
    void create();
    void deleteteam();
    void answer(const struct Teamstep& step);

    GOLF1& g_;
    Services& services_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
    QListWidget* list1_;
    QListWidget* list2_;
    QLineEdit* teamnametext_;
    QLabel* recordnumberlabel_;
    QLabel* startlabel_;
    QPushButton* createbutton_;
    bool saved_ = false;
};

} // namespace greenfold
