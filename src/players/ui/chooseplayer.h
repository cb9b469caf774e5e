#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace greenfold {

struct GOLF1;
struct Services;

// Picks the player whose rounds the main window shows. A double-click on a name is the
// same as Accept.
class chooseplayer : public QWidget {
    Q_OBJECT

  public:
    chooseplayer(GOLF1& model, Services& services, QWidget* mainwindow);
    void load();
    void accept();
    void exit();

  signals:
    void accepted();
    void closed();

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
