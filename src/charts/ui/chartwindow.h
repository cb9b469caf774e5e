#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"
#include "reports/printsurface.h"

#include <memory>
#include <string>

namespace greenfold {

class Canvas;
struct ProgramState;
class QtCanvas;

// How a chart window looks: its control name, the names of the panel with the player's
// name and of the picture, the chart's size in twips, and how far below the middle of
// the screen the window shows.
struct ChartLook {
    const char* window;
    const char* namepanel;
    const char* picture;
    double width;
    double height;
    int downtwips;
};

// The base of the two player charts (the handicap history graph and the score
// distribution chart): each shows the player's name over the chart and its panels,
// prints itself after asking, hands over to the other chart of the same player, or is
// done. The player (playerno) is given when the window is made.
class ChartWindow : public FormWindow {
    Q_OBJECT

  public:
    ~ChartWindow() override;
    // Fills the panels, draws the chart and shows the window.
    void load() override;
    // "Ready to send chart to Printer", then the chart's printout.
    void print();
    // The other chart of the same player takes over.
    void switchover();
    void done();

    const QtCanvas& canvas() const { return *canvas_; }

  signals:
    void switchrequested();

  protected:
    ChartWindow(ProgramState& model, Services& services, int player, QWidget* mainwindow,
                const ChartLook& look);

    // The row of buttons under the chart: the button to the other chart on the left,
    // Print and Done on the right.
    QHBoxLayout* chartbuttons(QPushButton* other, const QString& printtip, const char* donename);
    // The window's column, the name over the chart; the chart's panels and the buttons
    // follow.
    QVBoxLayout* column();

    ProgramState& g_;
    const int player_;
    QLabel* name_;

  private:
    // The panels, the name's too, for the player; the chart is drawn after them.
    virtual void fill() = 0;
    // The chart, on the screen's canvas or on the printer's.
    virtual void draw(Canvas& c) = 0;
    // The printout: the chart as drawn for the printer and the panels as they show.
    virtual void printchart(PrintSurface& s, const PrintPicture& picture,
                            const std::string& date) = 0;

    ChartLook look_;
    std::unique_ptr<QtCanvas> canvas_;
    QLabel* picture_;
};

} // namespace greenfold
