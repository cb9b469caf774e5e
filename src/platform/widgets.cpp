#include "platform/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace greenfold {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

QCheckBox* checkbox(QWidget* parent, const char* name, const QString& caption) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QRadioButton* option(QWidget* parent, const QString& name, const QString& caption) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    return o;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QLabel* centredlabel(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel* panel(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

QLabel* centredpanel(QWidget* parent, const QString& name, const QString& text) {
    QLabel* l = panel(parent, name, text);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel* numberpanel(QWidget* parent, const QString& name, int minimumwidth) {
    QLabel* l = centredpanel(parent, name);
    l->setMinimumWidth(minimumwidth);
    return l;
}

QLineEdit* textbox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    return box;
}

QListWidget* listbox(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    return list;
}

void addlines(QListWidget* list, const std::vector<std::string>& lines) {
    for (const auto& line : lines) list->addItem(QString::fromStdString(line));
}

void bigfont(QWidget* widget, int larger) {
    QFont f = widget->font();
    f.setPointSize(f.pointSize() + larger);
    f.setBold(true);
    widget->setFont(f);
}

void noquotes(QLineEdit* box) {
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) {
        if (!text.contains('"')) return;
        const int cursor = box->cursorPosition();
        box->setText(QString(text).replace('"', '\''));
        box->setCursorPosition(cursor);
    });
}

} // namespace greenfold
