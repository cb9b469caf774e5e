#pragma once

#include <QMainWindow>

class QLabel;

namespace greenfold {

struct GOLF1;

// The main window. For now it carries the caption and the status panel.
class Form2 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form2(GOLF1& model, QWidget* parent = nullptr);

    QLabel* messagepanel() const { return messagepanel_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    GOLF1& g_;
    QLabel* messagepanel_;
};

} // namespace greenfold
