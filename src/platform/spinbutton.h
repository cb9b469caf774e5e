#pragma once

#include <QWidget>

class QToolButton;

namespace greenfold {

// A spin button: two arrows with their own up and down events and no value of its own.
class SpinButton : public QWidget {
    Q_OBJECT

  public:
    explicit SpinButton(const QString& name, QWidget* parent = nullptr,
                        Qt::Orientation orientation = Qt::Vertical);
    QToolButton* upbutton() const { return up_; }
    QToolButton* downbutton() const { return down_; }

  signals:
    void up();
    void down();

  private:
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace greenfold
