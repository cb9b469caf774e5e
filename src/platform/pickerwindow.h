#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace greenfold {

// The base of the windows that work on a line picked from a list under a title panel:
// the player and round pickers, and the windows that remove and rename players. A click
// on the title takes the highlight off the list; so does a click on the window itself,
// unless the window leaves those alone.
class PickerWindow : public FormWindow {
    Q_OBJECT

  public:
    // Where a click takes the highlight off the list: on the title only, or anywhere on
    // the window outside the list and the buttons.
    enum class Clicks { titleonly, window };

    // Close: the highlight goes, then the window.
    void exit();

  protected:
    PickerWindow(Services& services, QWidget* mainwindow, const char* name, const QString& caption,
                 const char* titlename, const QString& title, Clicks clicks);

    // The list's current line while it is highlighted, otherwise null.
    QListWidgetItem* highlighted() const;
    // The highlighted line; without one the user hears a beep and gets null.
    QListWidgetItem* chosenline() const;
    // The list shows these lines and nothing else.
    void fill(const std::vector<std::string>& lines);
    // The title over the list over a row of buttons.
    void arrange(std::initializer_list<QPushButton*> buttons);
    // The picker's Accept and Close buttons under the list, in a window of picker size;
    // Accept, or a double-click on a line, runs accept.
    QPushButton* acceptorclose(const QString& accepttip, const QString& closetip,
                               const std::function<void()>& accept);
    // Shows the window below the middle of the screen, with the title over the lines, the
    // list taking the keys.
    void showlist(const QString& title, const std::vector<std::string>& lines);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    QLabel* title_;
    QListWidget* list1_;

  private:
    Clicks clicks_;
};

} // namespace greenfold
