#pragma once

#include "platform/services.h"

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

} // namespace greenfold
