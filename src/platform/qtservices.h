#pragma once

#include "platform/services.h"

class QWidget;

namespace greenfold {

class QtDisplay : public Display {
  public:
    int screenwidth() const override;
    int colordepth() const override;
};

class QtBusyPointer : public BusyPointer {
  public:
    void begin() override;
    void end() override;
};

// Converts the window sizes and offsets the program keeps in twips (1440 to the inch)
// to pixels through the screen's logical resolution, so windows keep their proportions
// on dense screens.
int twips(int t);

// Places a window in the middle of the screen, moved down by the given twips.
void centrewindow(QWidget* window, int downtwips);

} // namespace greenfold
