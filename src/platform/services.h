#pragma once

#include "platform/dialogs.h"
#include "reports/printsurface.h"

#include <memory>
#include <string>

namespace greenfold {

// The screen the program runs on, read at start-up.
class Display {
  public:
    virtual ~Display() = default;
    virtual int screenwidth() const = 0; // pixels across
    virtual int colordepth() const = 0;  // bits per pixel
};

// The help window: opens at a keyword, offers the keyword search, closes at exit.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void show(const std::string& keyword) = 0;
    virtual void search() = 0;
    virtual void quit() = 0;
};

// The hourglass shown while a long operation runs.
class BusyPointer {
  public:
    virtual ~BusyPointer() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

// The busy pointer for as long as the guard lives, however the scope is left.
class BusyGuard {
  public:
    explicit BusyGuard(BusyPointer& busy) : busy_(busy) { busy_.begin(); }
    ~BusyGuard() { busy_.end(); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    BusyPointer& busy_;
};

// Runs work under the busy pointer and returns what it returns.
template <typename Work> auto whilebusy(BusyPointer& busy, Work&& work) {
    BusyGuard guard(busy);
    return work();
}

// Where the print commands print: a surface for one job, and afterwards a word to the
// user on how it went (where a PDF file went, or that the printer failed), so no
// printout vanishes without a word.
class Printing {
  public:
    virtual ~Printing() = default;
    // Nothing when the user cancels (the name of a PDF file, say).
    virtual std::unique_ptr<PrintSurface> open() = 0;
    virtual void finished(const PrintSurface& surface) = 0;
};

// What every window receives from the program: the user-facing services, so tests can
// put scripted ones in their place.
struct Services {
    Dialogs& dialogs;
    HelpViewer& help;
    Display& display;
    BusyPointer& busy;
    Printing& printing;
};

} // namespace greenfold
