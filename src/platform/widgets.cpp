#include "platform/widgets.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!tip.isEmpty()) b->setToolTip(tip);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

QLabel* panel(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

void pickerlayout(QWidget* window, QLabel* title, QListWidget* list, QPushButton* accept,
                  QPushButton* close) {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(accept);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(window);
    layout->addWidget(title);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    window->resize(300, 380);
}

} // namespace greenfold
