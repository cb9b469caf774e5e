#include "platform/pickerwindow.h"

#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace greenfold {

PickerWindow::PickerWindow(Services& services, QWidget* mainwindow, const char* name,
                           const QString& caption, const char* titlename, const QString& title,
                           Clicks clicks)
    : FormWindow(services, mainwindow, name, caption), clicks_(clicks) {
    title_ = centredpanel(this, titlename, title);
    title_->installEventFilter(this);
    list1_ = listbox(this, "List1");
}

void PickerWindow::exit() {
    list1_->clearSelection();
    close();
}

QListWidgetItem* PickerWindow::highlighted() const {
    QListWidgetItem* item = list1_->currentItem();
    return item != nullptr && item->isSelected() ? item : nullptr;
}

QListWidgetItem* PickerWindow::chosenline() const {
    QListWidgetItem* item = highlighted();
    if (item == nullptr) services_.dialogs.beep();
    return item;
}

void PickerWindow::fill(const std::vector<std::string>& lines) {
    list1_->clear();
    addlines(list1_, lines);
}

void PickerWindow::arrange(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    for (QPushButton* b : buttons) row->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(list1_, 1);
    layout->addLayout(row);
}

QPushButton* PickerWindow::acceptorclose(const QString& accepttip, const QString& closetip,
                                         const std::function<void()>& accept) {
    auto* acceptbutton = button(this, "acceptbutton", "&Accept", accepttip);
    auto* exitbutton = button(this, "exitbutton", "&Close", closetip);
    arrange({acceptbutton, exitbutton});
    resize(300, 380);
    connect(acceptbutton, &QPushButton::clicked, this, accept);
    connect(exitbutton, &QPushButton::clicked, this, &PickerWindow::exit);
    connect(list1_, &QListWidget::itemDoubleClicked, this, accept);
    return acceptbutton;
}

void PickerWindow::showlist(const QString& title, const std::vector<std::string>& lines) {
    title_->setText(title);
    fill(lines);
    centrewindow(this, 90);
    show();
    list1_->setFocus();
}

bool PickerWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == title_ && event->type() == QEvent::MouseButtonPress) list1_->clearSelection();
    return FormWindow::eventFilter(watched, event);
}

void PickerWindow::mousePressEvent(QMouseEvent* event) {
    if (clicks_ == Clicks::window) list1_->clearSelection();
    FormWindow::mousePressEvent(event);
}

} // namespace greenfold
