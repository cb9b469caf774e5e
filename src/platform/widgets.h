#pragma once

#include "platform/qtforward.h"

#include <QString>

#include <string>
#include <vector>

namespace greenfold {

// The controls every window builds, each named after the program's control name.

// A push button with its caption (accelerator letters marked with "&") and tip.
QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& tip = {});
// A check box and an option button with their captions.
QCheckBox* checkbox(QWidget* parent, const char* name, const QString& caption);
QRadioButton* option(QWidget* parent, const QString& name, const QString& caption);
// A plain text label.
QLabel* label(QWidget* parent, const char* name, const QString& caption);
// An unnamed label with its text centred.
QLabel* centredlabel(QWidget* parent, const QString& text);
// A sunken display panel.
QLabel* panel(QWidget* parent, const QString& name, const QString& text = {});
// A sunken panel with its text centred.
QLabel* centredpanel(QWidget* parent, const QString& name, const QString& text = {});
// A centred panel for a number, at least so many pixels wide.
QLabel* numberpanel(QWidget* parent, const QString& name, int minimumwidth);
// A text box.
QLineEdit* textbox(QWidget* parent, const char* name);
// A list box.
QListWidget* listbox(QWidget* parent, const char* name);

// Adds the lines at the end of the list.
void addlines(QListWidget* list, const std::vector<std::string>& lines);
// Makes the widget's font bold and the given points larger.
void bigfont(QWidget* widget, int larger);
// Double quotes become apostrophes as they are typed or pasted: the league's text lines
// cannot hold them.
void noquotes(QLineEdit* box);

} // namespace greenfold
