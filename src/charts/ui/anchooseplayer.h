#pragma once

#include "platform/formwindow.h"

#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;

namespace greenfold {

struct GOLF1;
struct Services;

// Picks the player whose chart the Analysis menu opens. A double-click on a name is the
// same as Accept. Which chart follows is the main window's business (its tag).
class ANchooseplayer : public FormWindow {
    Q_OBJECT

  public:
    ANchooseplayer(GOLF1& model, Services& services, QWidget* mainwindow);
    void load() override;
    void accept();
    void exit();

  signals:
    // The chart of player p (playerno) takes over from the picker.
    void chosen(int p);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    GOLF1& g_;
    Services& services_;
    QListWidget* list1_;
    QLabel* playerlabel_;
    std::vector<int> slots_; // the player of each list line
    bool done_ = false;
};

} // namespace greenfold
