#pragma once

// A main window with the demo league open, for the tests of the roster and team
// windows, which are all opened from its menus.
#include "model/golf1.h"
#include "shell/ui/form2.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>

#include <memory>
#include <string>
#include <vector>

namespace greenfold::testing {

// The visible top-level window of that name.
template <typename T = QWidget> T* window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return qobject_cast<T*>(w);
    return nullptr;
}

template <typename T> T* control(QWidget* window, const char* name) {
    T* c = window->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

inline std::vector<std::string> lines(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

// Selects exactly these rows of a list, as clicks would.
inline void pick(QListWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int row : rows) list->setCurrentRow(row, QItemSelectionModel::Select);
}

class LeagueWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path demo = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
        for (const auto& f : fs::directory_iterator(demo))
            fs::copy_file(f.path(), data.path() / f.path().filename());
        start();
    }

    // A fresh run of the program on the same data folder, with the league opened.
    void start(bool openleague = true) {
        form2.reset();
        g = std::make_unique<GOLF1>();
        form2 = std::make_unique<Form2>(*g, fake.services);
        form2->load(data.path(), sys.path().string() + "/");
        form2->show();
        if (openleague) form2->action("leaguesmenu_0")->trigger();
    }

    // Opens a window from its menu entry and returns it.
    QWidget* open(const char* menu, const char* name) {
        form2->action(menu)->trigger();
        QWidget* w = window(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    fs::path leaguefile() const { return data.path() / "Tuesday Night League.LGE"; }
    fs::path teamfile() const { return data.path() / "Tuesday Night League.tea"; }

    TempDir data, sys;
    FakeServices fake;
    std::unique_ptr<GOLF1> g;
    std::unique_ptr<Form2> form2;
};

} // namespace greenfold::testing
