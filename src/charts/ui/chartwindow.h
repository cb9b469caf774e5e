#pragma once

#include "platform/formwindow.h"
#include "reports/printsurface.h"

#include <string>

namespace greenfold {

struct GOLF1;
struct Services;

// The base of the two player charts (the handicap history graph and the score
// distribution chart): each prints itself after asking, hands over to the other chart
// of the same player, or is done. The player (playerno) is given when the window is
// made.
class ChartWindow : public FormWindow {
    Q_OBJECT

  public:
    ChartWindow(GOLF1& model, Services& services, int player, QWidget* mainwindow);

    // "Ready to send chart to Printer", then the chart's printout.
    void print();
    // The other chart of the same player takes over.
    void switchover();
    void done();

  signals:
    void switchrequested();

  protected:
    // The printout: the chart drawn again for the printer and the panels as they show.
    virtual void printchart(PrintSurface& s, const std::string& date) = 0;
    void closeEvent(QCloseEvent* event) override;

    GOLF1& g_;
    Services& services_;
    const int player_;

  private:
    bool finished_ = false; // switched over or closed: nothing more to hand back
};

} // namespace greenfold
