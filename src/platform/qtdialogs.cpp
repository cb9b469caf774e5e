#include "platform/qtdialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QInputDialog>
#include <QMessageBox>
#include <QTextEdit>

#include <type_traits>
#include <utility>

namespace greenfold {

namespace {

// What the program says for each answer, icon and set of buttons, and what Qt says.
const std::pair<Answer, QMessageBox::StandardButton> answers[] = {
    {Answer::ok, QMessageBox::Ok},
    {Answer::cancel, QMessageBox::Cancel},
    {Answer::yes, QMessageBox::Yes},
    {Answer::no, QMessageBox::No}};

const std::pair<Icon, QMessageBox::Icon> icons[] = {{Icon::information, QMessageBox::Information},
                                                    {Icon::question, QMessageBox::Question},
                                                    {Icon::exclamation, QMessageBox::Warning},
                                                    {Icon::stop, QMessageBox::Critical}};

const std::pair<Buttons, QMessageBox::StandardButtons> buttonsets[] = {
    {Buttons::ok, QMessageBox::Ok},
    {Buttons::okcancel, QMessageBox::Ok | QMessageBox::Cancel},
    {Buttons::yesno, QMessageBox::Yes | QMessageBox::No},
    {Buttons::yesnocancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel}};

// Qt's word for the program's, or the given one where the table has none.
template <typename Ours, typename Qts, std::size_t N>
Qts toqt(const std::pair<Ours, Qts> (&table)[N], Ours ours, std::type_identity_t<Qts> otherwise) {
    for (const auto& [o, q] : table)
        if (o == ours) return q;
    return otherwise;
}

// The answer of the button pressed; any other button is OK.
Answer fromqt(int pressed) {
    for (const auto& [answer, button] : answers)
        if (button == pressed) return answer;
    return Answer::ok;
}

// A table under the text, open from the start and in a fixed-width font so its columns
// line up.
void showdetails(QMessageBox& box, const std::string& details) {
    QString text = QString::fromStdString(details);
    text.replace("\r\n", "\n");
    box.setDetailedText(text);
    for (QAbstractButton* b : box.buttons())
        if (box.buttonRole(b) == QMessageBox::ActionRole) b->click();
    if (auto* edit = box.findChild<QTextEdit*>()) {
        edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(60, 'x')));
        edit->setMinimumHeight(edit->fontMetrics().lineSpacing() * 14);
    }
}

} // namespace

Answer QtDialogs::message(const Message& m, Buttons buttons, Answer defaultbutton) {
    QString text = QString::fromStdString(m.text);
    text.replace("\r\n", "\n");
    QMessageBox box(toqt(icons, m.icon, QMessageBox::NoIcon), QString::fromStdString(m.title), text,
                    toqt(buttonsets, buttons, QMessageBox::Ok), parent_);
    box.setDefaultButton(toqt(answers, defaultbutton, QMessageBox::Ok));
    if (!m.details.empty()) showdetails(box, m.details);
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
