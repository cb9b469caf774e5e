#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

namespace greenfold {

// The course handicap calculator: an index and a slope give the course handicap.
class CourseHandicapCalculator : public FormWindow {
    Q_OBJECT

  public:
    CourseHandicapCalculator(Services& services, QWidget* mainwindow);
    void load() override;
    void calculate();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLabel* hcpmessage_;
};

} // namespace greenfold
