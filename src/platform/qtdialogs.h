#pragma once

#include "platform/dialogs.h"

class QWidget;

namespace greenfold {

// Dialogs on Qt's message box, input dialog and file dialog.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setparent(QWidget* parent) { parent_ = parent; }

    Answer message(const Message& m, Buttons buttons, Answer defaultbutton) override;
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string& initial) override;
    std::optional<std::string> savefile(const std::string& title, const std::string& filter,
                                        const std::string& defaultsuffix) override;
    std::optional<std::string> choosefolder(const std::string& title) override;
    void beep() override;

  private:
    QWidget* parent_;
};

} // namespace greenfold
