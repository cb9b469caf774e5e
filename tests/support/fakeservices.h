#pragma once

#include "platform/services.h"
#include "reports/recordingsurface.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace greenfold::testing {

// Dialogs that answer from a queue and remember everything they were asked to show.
class FakeDialogs : public Dialogs {
  public:
    struct Shown {
        Message message;
        Buttons buttons;
        Answer defaultbutton;
    };

    std::vector<Shown> shown;
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> inputs, files, folders;
    int beeps = 0;
    std::function<void(const Message&)> onmessage; // a look at the windows behind a box

    Answer message(const Message& m, Buttons buttons, Answer defaultbutton) override {
        if (onmessage) onmessage(m);
        shown.push_back({m, buttons, defaultbutton});
        return next(answers, buttons == Buttons::ok ? Answer::ok : defaultbutton);
    }
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string&) override {
        shown.push_back({{prompt, title, Icon::none}, Buttons::okcancel, Answer::ok});
        return next(inputs, {});
    }
    std::string lastsuffix; // the default suffix the last save dialog was given
    std::optional<std::string> savefile(const std::string& title, const std::string&,
                                        const std::string& defaultsuffix) override {
        shown.push_back({{"", title, Icon::none}, Buttons::okcancel, Answer::ok});
        lastsuffix = defaultsuffix;
        return next(files, {});
    }
    std::optional<std::string> choosefolder(const std::string& title) override {
        shown.push_back({{"", title, Icon::none}, Buttons::okcancel, Answer::ok});
        return next(folders, {});
    }
    void beep() override { ++beeps; }

  private:
    template <typename T> static T next(std::deque<T>& queue, T none) {
        if (queue.empty()) return none;
        T v = queue.front();
        queue.pop_front();
        return v;
    }
};

class FakeHelp : public HelpViewer {
  public:
    std::vector<std::string> shown;
    int searches = 0, quits = 0;
    void show(const std::string& keyword) override { shown.push_back(keyword); }
    void search() override { ++searches; }
    void quit() override { ++quits; }
};

class FakeDisplay : public Display {
  public:
    int screenwidth() const override { return 1024; }
    int colordepth() const override { return 24; }
};

class FakeBusy : public BusyPointer {
  public:
    int depth = 0;
    void begin() override { ++depth; }
    void end() override { --depth; }
};

// Printing onto recording surfaces: each job's printout is kept, in order.
class FakePrinting : public Printing {
  public:
    std::vector<std::unique_ptr<Printout>> printouts;
    std::unique_ptr<PrintSurface> open() override {
        printouts.push_back(std::make_unique<Printout>());
        return std::make_unique<RecordingSurface>(*printouts.back());
    }
    void finished(const PrintSurface&) override {}
};

struct FakeServices {
    FakeDialogs dialogs;
    FakeHelp help;
    FakeDisplay display;
    FakeBusy busy;
    FakePrinting printing;
    Services services{dialogs, help, display, busy, printing};
};

} // namespace greenfold::testing
