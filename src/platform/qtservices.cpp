#include "platform/qtservices.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace greenfold {

int QtDisplay::screenwidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 1024;
    return int(screen->geometry().width() * screen->devicePixelRatio());
}

int QtDisplay::colordepth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
}

void QtBusyPointer::begin() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyPointer::end() {
    if (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
}

int twips(int t) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return int(t * dpi / 1440.0 + 0.5);
}

} // namespace greenfold

namespace greenfold {

void centrewindow(QWidget* window, int downtwips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect r = screen->availableGeometry();
    window->move(r.x() + (r.width() - window->width()) / 2,
                 r.y() + (r.height() - window->height()) / 2 + twips(downtwips));
}

} // namespace greenfold
