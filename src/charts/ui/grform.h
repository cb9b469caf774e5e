#pragma once

#include "platform/formwindow.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace greenfold {

struct GOLF1;
struct Services;
class QtCanvas;

// The handicap history graph of player playerno: differentials and indexes of the kept
// rounds, the round count and the current index. Prints itself and can hand over to
// the score distribution chart of the same player.
class GRform : public FormWindow {
    Q_OBJECT

  public:
    GRform(GOLF1& model, Services& services, QWidget* mainwindow);
    ~GRform() override;
    void load() override;
    void print();
    void showscoring();
    void done();

    const QtCanvas& canvas() const { return *canvas_; }

  signals:
    // The score distribution chart of the same player is to take over.
    void switchrequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildlegend();

    GOLF1& g_;
    Services& services_;
    std::unique_ptr<QtCanvas> canvas_;
    QLabel* picture1_;
    QLabel* lab3_;
    QLabel* roundsplayed_;  // Lab2(3)
    QLabel* hcpindex_;      // Lab2(4)
    bool finished_ = false; // switched over or closed: nothing more to hand back
};

} // namespace greenfold
