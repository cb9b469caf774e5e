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
    std::deque<std::optional<std::string>> inputs;
    std::deque<std::optional<std::string>> files;
    std::deque<std::optional<std::string>> folders;
    int beeps = 0;

    Answer message(const Message& m, Buttons buttons, Answer defaultbutton) override {
        shown.push_back({m, buttons, defaultbutton});
        if (answers.empty()) return buttons == Buttons::ok ? Answer::ok : defaultbutton;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                     const std::string&) override {
        shown.push_back({{prompt, title, Icon::none}, Buttons::okcancel, Answer::ok});
        if (inputs.empty()) return std::nullopt;
        auto v = inputs.front();
        inputs.pop_front();
        return v;
    }
    std::string lastsuffix; // the default suffix the last save dialog was given
    std::optional<std::string> savefile(const std::string& title, const std::string&,
                                        const std::string& defaultsuffix) override {
        shown.push_back({{"", title, Icon::none}, Buttons::okcancel, Answer::ok});
        lastsuffix = defaultsuffix;
        if (files.empty()) return std::nullopt;
        auto v = files.front();
        files.pop_front();
        return v;
    }
    std::optional<std::string> choosefolder(const std::string& title) override {
        shown.push_back({{"", title, Icon::none}, Buttons::okcancel, Answer::ok});
        if (folders.empty()) return std::nullopt;
        auto v = folders.front();
        folders.pop_front();
        return v;
    }
    void beep() override { ++beeps; }
};

class FakeHelp : public HelpViewer {
  public:
    std::vector<std::string> shown;
    int searches = 0;
    int quits = 0;
    void show(const std::string& keyword) override { shown.push_back(keyword); }
    void search() override { ++searches; }
    void quit() override { ++quits; }
};

class FakeDisplay : public Display {
  public:
    int width = 1024;
    int depth = 24;
    int screenwidth() const override { return width; }
    int colordepth() const override { return depth; }
};

class FakeBusy : public BusyPointer {
  public:
    int depth = 0;
    int times = 0;
    void begin() override {
        ++depth;
        ++times;
    }
    void end() override { --depth; }
};

// Printing onto recording surfaces: each job's printout is kept, in order. A test may
// put a surface of its own in their place (a PDF file, say).
class FakePrinting : public Printing {
  public:
    std::vector<std::unique_ptr<Printout>> printouts;
    std::function<std::unique_ptr<PrintSurface>()> surface;
    int finishedjobs = 0;

    std::unique_ptr<PrintSurface> open() override {
        if (surface) return surface();
        printouts.push_back(std::make_unique<Printout>());
        return std::make_unique<RecordingSurface>(*printouts.back());
    }
    void finished(const PrintSurface&) override { ++finishedjobs; }
};

// One set of scripted services for a window test.
struct FakeServices {
    FakeDialogs dialogs;
    FakeHelp help;
    FakeDisplay display;
    FakeBusy busy;
    FakePrinting printing;
    Services services{dialogs, help, display, busy, printing};
};

} // namespace greenfold::testing
