#pragma once

#include "charts/ui/chartwindow.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace greenfold {

struct GOLF1;
struct Services;
class QtCanvas;

// The handicap history graph of one player: differentials and indexes of the kept
// rounds, the round count and the current index. Prints itself and can hand over to
// the score distribution chart of the same player.
class GRform : public ChartWindow {
    Q_OBJECT

  public:
    GRform(GOLF1& model, Services& services, int player, QWidget* mainwindow);
    ~GRform() override;
    void load() override;

    const QtCanvas& canvas() const { return *canvas_; }

  protected:
    void printchart(PrintSurface& s, const std::string& date) override;

  private:
    QWidget* buildlegend();

    std::unique_ptr<QtCanvas> canvas_;
    QLabel* picture1_;
    QLabel* lab3_;
    QLabel* roundsplayed_; // Lab2(3)
    QLabel* hcpindex_;     // Lab2(4)
};

} // namespace greenfold
