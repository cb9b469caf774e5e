#pragma once

// The window tests' fixture: the main window on a copy of the demo data folder, with
// scripted services; and helpers that find windows and controls and type into them.
#include "model/leaguefile.h"
#include "model/programstate.h"
#include "shell/ui/mainwindow.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace greenfold::testing {

using Lines = std::vector<std::string>;

inline const fs::path demofolder =
    fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
inline const char* demoleague = "Tuesday Night League.LGE";

template <typename T = QWidget> T* window(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return qobject_cast<T*>(w);
    return nullptr;
}

template <typename T = QWidget> T* control(QWidget* window, const QString& name) {
    T* c = window->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

inline void click(QWidget* window, const char* button) {
    control<QPushButton>(window, button)->click();
}
inline QString label(QWidget* window, const char* name) {
    return control<QLabel>(window, name)->text();
}
inline QString box(QWidget* window, const QString& name) {
    return control<QLineEdit>(window, name)->text();
}
inline Lines texts(QWidget* window, std::initializer_list<const char*> names) {
    Lines out;
    for (const char* name : names)
        out.push_back(control<QWidget>(window, name)->property("text").toString().toStdString());
    return out;
}
inline bool waitfor(const std::function<bool()>& done) {
    return QTest::qWaitFor(done, 3000);
}

// Types as a user would: each key goes to whichever box has the focus by then.
inline void typekeys(QWidget* window, const QString& keys) {
    for (QChar c : keys) {
        QWidget* target = window->focusWidget();
        ASSERT_NE(target, nullptr);
        if (c == '\n')
            QTest::keyClick(target, Qt::Key_Return);
        else
            QTest::keyClicks(target, QString(c));
    }
}

inline Lines lines(const QListWidget* list) {
    Lines out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

inline void pick(QListWidget* list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (int row : rows) list->setCurrentRow(row, QItemSelectionModel::Select);
}

class DemoWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& f : fs::directory_iterator(demofolder))
            fs::copy_file(f.path(), data.path() / f.path().filename());
        start();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != mainwindow.get() && w->isVisible()) w->close();
        QApplication::processEvents();
    }
    // A fresh run of the program on the data folder, the league opened or not.
    void start(bool openleague = true) {
        mainwindow.reset();
        g = std::make_unique<ProgramState>();
        mainwindow = std::make_unique<MainWindow>(*g, fake.services);
        mainwindow->load(data.path(), sys.path().string() + "/");
        mainwindow->show();
        if (openleague) mainwindow->action("leaguesmenu_0")->trigger();
    }
    QWidget* open(const char* menu, const char* name) {
        mainwindow->action(menu)->trigger();
        QWidget* w = window(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Score entry for these rows of the roster on Cedar Ridge; the rounds window.
    QWidget* enterrounds(std::initializer_list<int> rows) {
        QWidget* w = open("entermenu", "selectplayers");
        pick(control<QListWidget>(w, "List1"), rows);
        QTest::keyClicks(control<QComboBox>(w, "coursecombo")->lineEdit(), "cedar ridge");
        click(w, "acceptbutton");
        return window("roundsform");
    }
    std::unique_ptr<ProgramState> savedleague() const {
        auto saved = std::make_unique<ProgramState>();
        saved->leaguefile = demoleague;
        EXPECT_TRUE(loadleague(*saved, data.path()));
        return saved;
    }
    fs::path leaguefile() const { return data.path() / demoleague; }
    fs::path teamfile() const { return data.path() / "Tuesday Night League.tea"; }

    TempDir data, sys;
    FakeServices fake;
    std::unique_ptr<ProgramState> g;
    std::unique_ptr<MainWindow> mainwindow;
    std::vector<std::unique_ptr<Printout>>& printouts = fake.printing.printouts;
};

} // namespace greenfold::testing
