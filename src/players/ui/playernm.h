#pragma once

#include "platform/formwindow.h"

#include <QWidget>

#include <filesystem>

class QLabel;
class QLineEdit;
class QListWidget;

namespace greenfold {

struct GOLF1;
struct Services;

// Renames players of the open league. A click on a name puts it in the box for
// editing; the league file is written when the window closes.
class Playernm : public FormWindow {
    Q_OBJECT

  public:
    Playernm(GOLF1& model, Services& services, std::filesystem::path datadir, QWidget* mainwindow);
    void load() override;
    void rename();
    void exit();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void fill();

    GOLF1& g_;
    Services& services_;
    std::filesystem::path datadir_;
    QListWidget* list1_;
    QLabel* playerlabel_;
    QLineEdit* text1_;
    bool saved_ = false;
};

} // namespace greenfold
