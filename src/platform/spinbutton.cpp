#include "platform/spinbutton.h"

#include <QBoxLayout>
#include <QToolButton>

namespace greenfold {

SpinButton::SpinButton(const QString& name, QWidget* parent, Qt::Orientation orientation)
    : QWidget(parent) {
    setObjectName(name);
    up_ = new QToolButton(this);
    up_->setObjectName(name + "_up");
    up_->setArrowType(orientation == Qt::Vertical ? Qt::UpArrow : Qt::RightArrow);
    up_->setAutoRepeat(true);
    down_ = new QToolButton(this);
    down_->setObjectName(name + "_down");
    down_->setArrowType(orientation == Qt::Vertical ? Qt::DownArrow : Qt::LeftArrow);
    down_->setAutoRepeat(true);
    auto* layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &SpinButton::up);
    connect(down_, &QToolButton::clicked, this, &SpinButton::down);
}

} // namespace greenfold
