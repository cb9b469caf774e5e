#pragma once

#include <QWidget>

namespace greenfold {

// The base of every window the main window opens (Form2::openwindow). Its one signal,
// closed, says the window has gone without handing over to another window: the main
// window is then usable again. A window that hands over (a picker to its chart, round
// set-up to score entry) says so with a signal of its own instead.
class FormWindow : public QWidget {
    Q_OBJECT

  public:
    explicit FormWindow(QWidget* mainwindow) : QWidget(mainwindow, Qt::Window) {}

    // Fills the window from the model and shows it.
    virtual void load() = 0;

  signals:
    void closed();
};

} // namespace greenfold
