#include "platform/formwindow.h"

#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

namespace greenfold {

FormWindow::FormWindow(Services& services, QWidget* mainwindow, const char* name,
                       const QString& caption)
    : QWidget(mainwindow, Qt::Window), services_(services) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (!finished_) {
        finished_ = true;
        leaving();
        emit closed();
    }
    QWidget::closeEvent(event);
}

void FormWindow::present(int downtwips, QWidget* focus) {
    adjustSize();
    centrewindow(this, downtwips);
    show();
    if (focus != nullptr) focus->setFocus();
}

void FormWindow::helpbutton(QAbstractButton* button, const char* keyword) {
    connect(button, &QAbstractButton::clicked, this,
            [this, keyword] { services_.help.show(keyword); });
}

QWidget* FormWindow::commandrow(const CommandTexts& texts, const std::function<void()>& command) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* commandbutton = button(box, texts.name, texts.caption, texts.tip);
    auto* cancelbutton = button(box, "cancelbutton", "&Cancel", texts.canceltip);
    auto* infobutton = button(box, "infobutton", "&Help", texts.helptip);
    row->addWidget(commandbutton);
    row->addWidget(cancelbutton);
    row->addWidget(infobutton);
    connect(commandbutton, &QPushButton::clicked, this, command);
    connect(cancelbutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, texts.keyword);
    return box;
}

void holdmainwindow(QWidget* mainwindow, FormWindow* window, std::function<void()> then) {
    mainwindow->setEnabled(false);
    window->setEnabled(true);
    QObject::connect(window, &FormWindow::closed, mainwindow, [mainwindow, then] {
        mainwindow->setEnabled(true);
        if (then) then();
    });
}

} // namespace greenfold
