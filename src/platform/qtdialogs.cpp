#include "platform/qtdialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>

#include <algorithm>
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

// A table under the text, above the buttons, in a fixed-width font so its columns line up:
// as tall as its lines (to a limit, then it scrolls), with nothing between it and the text.
void showdetails(QMessageBox& box, const std::string& details) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* buttons = box.findChild<QDialogButtonBox*>();
    if (grid == nullptr || buttons == nullptr) return;
    QString text = QString::fromStdString(details);
    text.replace("\r\n", "\n");
    while (text.endsWith('\n')) text.chop(1);
    auto* table = new QPlainTextEdit(text, &box);
    table->setObjectName("detailstable");
    table->setReadOnly(true);
    table->setLineWrapMode(QPlainTextEdit::NoWrap);
    table->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics = table->fontMetrics();
    const int lines = std::min(int(text.count('\n')) + 1, 16);
    const int frame = 2 * table->frameWidth() + int(2 * table->document()->documentMargin());
    table->setMinimumWidth(metrics.horizontalAdvance(QString(60, 'x')) + frame);
    table->setFixedHeight(metrics.lineSpacing() * lines + frame + 4);
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(buttons), &row, &column, &rows, &columns);
    grid->removeWidget(buttons);
    grid->addWidget(table, row, 0, 1, grid->columnCount());
    grid->addWidget(buttons, row + 1, column, rows, columns);
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
