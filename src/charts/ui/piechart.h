#pragma once

#include "charts/pie.h"

#include "charts/ui/chartwindow.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;

namespace greenfold {

struct GOLF1;
struct Services;
class QtCanvas;

// The score distribution chart of one player: hole scores against par as a pie
// with a legend, the average par and score per hole and the number of scores. Prints
// itself and can hand over to the handicap history graph of the same player.
class Piechart : public ChartWindow {
    Q_OBJECT

  public:
    Piechart(GOLF1& model, Services& services, int player, QWidget* mainwindow);
    ~Piechart() override;
    void load() override;

    const QtCanvas& canvas() const { return *canvas_; }

  protected:
    void printchart(PrintSurface& s, const std::string& date) override;

  private:
    std::unique_ptr<QtCanvas> canvas_;
    std::vector<Slice> slices_; // as drawn, for the printout
    QLabel* p_;
    QLabel* namelabel_;
    QLabel* aveparlabel_;
    QLabel* aveholelabel_;
    QLabel* totalholeslabel_;
};

} // namespace greenfold
