#pragma once

#include <QString>

class QLabel;
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

} // namespace greenfold
