#pragma once

#include "platform/qtforward.h"

#include <QWidget>

#include <functional>

namespace greenfold {

struct Services;

// The texts of a window's command row: the button of the window's own command, the tips
// of Cancel and Help, and the help keyword.
struct CommandTexts {
    const char* name;
    const char* caption;
    const char* tip;
    const char* canceltip;
    const char* helptip;
    const char* keyword;
};

// The base of every window the main window opens (MainWindow::openwindow). Its one signal,
// closed, says the window has gone without handing over to another window: the main
// window is then usable again. A window that hands over (a picker to its chart, round
// set-up to score entry) says so with a signal of its own instead.
class FormWindow : public QWidget {
    Q_OBJECT

  public:
    // The window carries its control name and caption, and goes when it closes.
    FormWindow(Services& services, QWidget* mainwindow, const char* name, const QString& caption);

    // Fills the window from the model and shows it.
    virtual void load() = 0;

  signals:
    void closed();

  protected:
    // The first close runs leaving() and says closed, unless the window handed over;
    // later closes say nothing more.
    void closeEvent(QCloseEvent* event) override;
    // What the window does as it goes without handing over: saving, for the windows that
    // keep their changes until then.
    virtual void leaving() {}
    // The window hands over to another and closes: it says closed no more.
    void handover() { finished_ = true; }
    // Sizes the window to its contents and shows it below the middle of the screen by the
    // given twips, the focus on the given control.
    void present(int downtwips, QWidget* focus = nullptr);
    // A click on the button opens the help at the keyword.
    void helpbutton(QAbstractButton* button, const char* keyword);
    // A bare row for the foot of the window: the button that runs the window's command,
    // Cancel, which closes the window, and Help.
    QWidget* commandrow(const CommandTexts& texts, const std::function<void()>& command);

    Services& services_;

  private:
    bool finished_ = false;
};

// The main window stays off while the window shows and comes back, running then, when
// the window closes for good. Turning the main window off turns its child windows off
// too, so the window itself is turned on.
void holdmainwindow(QWidget* mainwindow, FormWindow* window, std::function<void()> then = {});

} // namespace greenfold
