#pragma once

#include "charts/pie.h"
#include "charts/ui/chartwindow.h"

#include <vector>

namespace greenfold {

// The score distribution chart of one player: hole scores against par as a pie
// with a legend, the average par and score per hole and the number of scores. Prints
// itself and can hand over to the handicap history graph of the same player.
class ScorePieWindow : public ChartWindow {
    Q_OBJECT

  public:
    ScorePieWindow(ProgramState& model, Services& services, int player, QWidget* mainwindow);

  private:
    QWidget* buildfigures();
    void fill() override;
    void draw(Canvas& c) override;
    void printchart(PrintSurface& s, const PrintPicture& picture, const std::string& date) override;

    std::vector<Slice> slices_; // as drawn, for the printout
    QLabel* aveparlabel_;
    QLabel* aveholelabel_;
    QLabel* totalholeslabel_;
};

} // namespace greenfold
