#pragma once

#include <QString>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace greenfold {

// The controls every window builds, each named after the program's control name.

// A push button with its caption (accelerator letters marked with "&") and tip.
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& tip = {});
// A plain text label.
QLabel* label(QWidget* parent, const char* name, const QString& caption);
// A sunken display panel.
QLabel* panel(QWidget* parent, const QString& name, const QString& text = {});

// A player picker's layout: its title panel over the list, the accept and close buttons
// side by side under it.
void pickerlayout(QWidget* window, QLabel* title, QListWidget* list, QPushButton* accept,
                  QPushButton* close);

} // namespace greenfold
