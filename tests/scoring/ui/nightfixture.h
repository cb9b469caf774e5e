#pragma once

#include "model/golf1.h"
#include "model/leaguefile.h"
#include "shell/ui/form2.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

namespace greenfold::testing {

inline const fs::path demofolder =
    fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
inline const char* demoleague = "Tuesday Night League.LGE";

// The visible top-level window of that name, or nothing.
template <typename T = QWidget> T* shownwindow(const char* name) {
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

inline std::vector<std::string> texts(const QListWidget* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

// The main window with the demo data folder (two courses, the Tuesday Night League of
// eight players) and the league opened, as the user finds it on league night.
class LeagueNight : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& f : fs::directory_iterator(demofolder))
            fs::copy_file(f.path(), data.path() / f.path().filename());
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != form2.get() && w->isVisible()) w->close();
        QApplication::processEvents();
    }
    void start(bool openleague = true) {
        form2 = std::make_unique<Form2>(*g, fake.services);
        form2->load(data.path(), sys.path().string() + "/");
        form2->show();
        if (openleague) form2->action("leaguesmenu_0")->trigger();
    }
    // The league as the file on disk holds it now.
    std::unique_ptr<GOLF1> savedleague() const {
        auto saved = std::make_unique<GOLF1>();
        saved->leaguefile = demoleague;
        EXPECT_TRUE(loadleague(*saved, data.path()));
        return saved;
    }
    std::string leaguebytesondisk() const { return readbytes(data.path() / demoleague); }

    TempDir data, sys;
    FakeServices fake;
    std::unique_ptr<GOLF1> g = std::make_unique<GOLF1>();
    std::unique_ptr<Form2> form2;
};

} // namespace greenfold::testing
