#include "platform/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace greenfold {

namespace {

QMessageBox::Icon qticon(Icon icon) {
    switch (icon) {
    case Icon::information:
        return QMessageBox::Information;
    case Icon::question:
        return QMessageBox::Question;
    case Icon::exclamation:
        return QMessageBox::Warning;
    case Icon::stop:
        return QMessageBox::Critical;
    case Icon::none:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton qtbutton(Answer a) {
    switch (a) {
    case Answer::ok:
        return QMessageBox::Ok;
    case Answer::cancel:
        return QMessageBox::Cancel;
    case Answer::yes:
        return QMessageBox::Yes;
    case Answer::no:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons qtbuttons(Buttons b) {
    switch (b) {
    case Buttons::ok:
        return QMessageBox::Ok;
    case Buttons::okcancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::yesno:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::yesnocancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Answer fromqt(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::yes;
    case QMessageBox::No:
        return Answer::no;
    case QMessageBox::Cancel:
        return Answer::cancel;
    default:
        return Answer::ok;
    }
}

} // namespace

Answer QtDialogs::message(const Message& m, Buttons buttons, Answer defaultbutton) {
    QString text = QString::fromStdString(m.text);
    text.replace("\r\n", "\n");
    QMessageBox box(qticon(m.icon), QString::fromStdString(m.title), text, qtbuttons(buttons),
                    parent_);
    box.setDefaultButton(qtbutton(defaultbutton));
    int pressed = box.exec();
    // Closing the box without a button counts as its cancel or no.
    if (pressed == QMessageBox::Escape || pressed == 0) {
        if (buttons == Buttons::yesno) return Answer::no;
        if (buttons != Buttons::ok) return Answer::cancel;
    }
    return fromqt(pressed);
}

std::optional<std::string> QtDialogs::input(const std::string& prompt, const std::string& title,
                                            const std::string& initial) {
    bool ok = false;
    QString text = QInputDialog::getText(parent_, QString::fromStdString(title),
                                         QString::fromStdString(prompt), QLineEdit::Normal,
                                         QString::fromStdString(initial), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtDialogs::savefile(const std::string& title, const std::string& filter,
                                               const std::string& defaultsuffix) {
    QFileDialog dialog(parent_, QString::fromStdString(title), QString(),
                       QString::fromStdString(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(defaultsuffix));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> QtDialogs::choosefolder(const std::string& title) {
    QString dir = QFileDialog::getExistingDirectory(parent_, QString::fromStdString(title));
    if (dir.isEmpty()) return std::nullopt;
    return dir.toStdString();
}

void QtDialogs::beep() {
    QApplication::beep();
}

} // namespace greenfold
