#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace greenfold {

struct Services;

// The course handicap calculator: an index and a slope give the course handicap.
class CHcpform : public QWidget {
    Q_OBJECT

  public:
    CHcpform(Services& services, QWidget* mainwindow);
    void load();
    void calculate();

  signals:
    void closing();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Services& services_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLabel* hcpmessage_;
};

} // namespace greenfold
