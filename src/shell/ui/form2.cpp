#include "shell/ui/form2.h"

#include "model/golf1.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace greenfold {

Form2::Form2(GOLF1& model, QWidget* parent) : QMainWindow(parent), g_(model) {
    setObjectName("Form2");
    setWindowTitle("Greenfold");
    messagepanel_ = new QLabel("Open a League file to begin", this);
    messagepanel_->setObjectName("messagepanel");
    statusBar()->addWidget(messagepanel_, 1);
    auto* body = new QLabel(this);
    body->setObjectName("List1");
    setCentralWidget(body);
    resize(700, 500);
}

void Form2::changeEvent(QEvent* event) {
    // A minimised main window shows the program's short caption.
    if (event->type() == QEvent::WindowStateChange)
        setWindowTitle(isMinimized() ? "G.F.D." : "Greenfold");
    QMainWindow::changeEvent(event);
}

} // namespace greenfold
