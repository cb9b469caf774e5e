#pragma once

#include "platform/formwindow.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace greenfold {

struct GOLF1;
struct Services;

// Picks the player whose rounds the main window shows. A double-click on a name is the
// same as Accept.
class chooseplayer : public FormWindow {
    Q_OBJECT

  public:
    chooseplayer(GOLF1& model, Services& services, QWidget* mainwindow);
    void load() override;
    void accept();
    void exit();

  signals:
    // The main window shows the rounds of player p (playerno).
    void accepted(int p);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    GOLF1& g_;
    Services& services_;
    QListWidget* list1_;
    QLabel* playerlabel_;
    bool done_ = false;
};

} // namespace greenfold
