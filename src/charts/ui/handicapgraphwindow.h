#pragma once

#include "charts/ui/chartwindow.h"

namespace greenfold {

// The handicap history graph of one player: differentials and indexes of the kept
// rounds, the round count and the current index. Prints itself and can hand over to
// the score distribution chart of the same player.
class HandicapGraphWindow : public ChartWindow {
    Q_OBJECT

  public:
    HandicapGraphWindow(ProgramState& model, Services& services, int player, QWidget* mainwindow);

  private:
    void fill() override;
    void draw(Canvas& c) override;
    void printchart(PrintSurface& s, const PrintPicture& picture, const std::string& date) override;

    QLabel* roundsplayed_; // Lab2(3)
    QLabel* hcpindex_;     // Lab2(4)
};

} // namespace greenfold
