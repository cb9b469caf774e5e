#pragma once

#include "platform/qtforward.h"

#include <QWidget>

namespace greenfold {

struct ProgramState;
struct Services;

// The splash window, shown at start-up and again as the About box. A click, Enter or
// Space dismisses it.
class SplashWindow : public QWidget {
    Q_OBJECT

  public:
    SplashWindow(ProgramState& model, Services& services, QWidget* parent = nullptr);

    // Centres the window, reads the display and picks the pictures for its colour depth.
    void load();
    // The two texts the title strip alternates between.
    static QString titleline();
    static QString helpline();
    QString striptext() const;

  signals:
    void dismissed();
    void lowcolour();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void toggle();
    void dismiss();

    ProgramState& g_;
    Services& services_;
    QLabel* image1_;
    QLabel* picture2_;
    QTimer* timer1_;
    bool showinghelp_ = false;
};

} // namespace greenfold
