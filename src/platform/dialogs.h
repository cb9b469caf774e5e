#pragma once

#include "model/outcome.h"

#include <optional>
#include <string>

namespace greenfold {

enum class Buttons { ok, okcancel, yesno, yesnocancel };
enum class Answer { ok, cancel, yes, no };

// Every question and message a window puts to the user goes through here, so tests can
// read what was shown and answer it.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    virtual Answer message(const Message& m, Buttons buttons = Buttons::ok,
                           Answer defaultbutton = Answer::ok) = 0;
    // An input box; nothing when the user cancels.
    virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                             const std::string& initial = {}) = 0;
    // A save-file dialog with a filter list ("Text (*.txt)"); nothing when cancelled. A
    // default suffix ("txt") is added by the dialog to a name typed without one, before
    // it asks whether to replace an existing file.
    virtual std::optional<std::string> savefile(const std::string& title, const std::string& filter,
                                                const std::string& defaultsuffix = {}) = 0;
    // A folder chooser; nothing when cancelled.
    virtual std::optional<std::string> choosefolder(const std::string& title) = 0;
    virtual void beep() = 0;

    // Shows each message of an outcome in turn.
    void show(const Outcome& outcome) {
        for (const auto& m : outcome.messages) message(m);
    }
};

} // namespace greenfold
