// Printing: the handicap lists, the text export, printer set-up, the course handicap
// calculator and the handicap cards. The course handicap chart starts from the course
// panel once a course is picked (PrintChcpChart in reports/ui/printcommands.h).
#include "platform/qtprintsurface.h"
#include "reports/ui/coursehandicapcalculator.h"
#include "reports/ui/handicapcardswindow.h"
#include "reports/ui/printcommands.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/menunames.h"

#include <QAction>
#include <QListWidget>

namespace greenfold {

void MainWindow::wirereports() {
    // The lists are printed only while the user can see them.
    connect(action(menu::Printmenu), &QAction::triggered, this, [this] {
        if (list1_->isEnabled()) printlist(g_, services_, shownlines());
    });
    connect(action(menu::printfilemenu), &QAction::triggered, this,
            [this] { exportlisting(g_, services_, shownlines()); });
    connect(action(menu::Printsetupmenu), &QAction::triggered, this,
            [this] { printersetup(services_, this); });
    connect(action(menu::printcardsmenu), &QAction::triggered, this,
            [this] { openwindow(new HandicapCardsWindow(g_, services_, this)); });
    connect(action(menu::coursehcpmenu), &QAction::triggered, this,
            [this] { openwindow(new CourseHandicapCalculator(services_, this)); });
}

} // namespace greenfold
