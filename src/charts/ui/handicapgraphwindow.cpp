#include "charts/ui/handicapgraphwindow.h"

#include "charts/chartprint.h"
#include "charts/graph.h"
#include "charts/ui/chartparts.h"
#include "model/programstate.h"
#include "platform/widgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace greenfold {

namespace {

// A legend line: a short bar in the series' colour.
QFrame* legendline(QWidget* parent, const char* name, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFixedSize(36, 3);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    return line;
}

// The legend of the two lines of the graph.
QWidget* legend(QWidget* parent) {
    auto* legend = new QFrame(parent);
    legend->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* grid = new QGridLayout(legend);
    grid->addWidget(legendline(legend, "Line1_0", QColor(192, 0, 0)), 0, 0);
    grid->addWidget(label(legend, "Lab2_1", "Handicap Differential"), 0, 1);
    grid->addWidget(legendline(legend, "Line1_1", Qt::black), 1, 0);
    grid->addWidget(label(legend, "Lab2_2", "Handicap Index"), 1, 1);
    return legend;
}

} // namespace

HandicapGraphWindow::HandicapGraphWindow(ProgramState& model, Services& services, int player,
                                         QWidget* mainwindow)
    : ChartWindow(model, services, player, mainwindow,
                  {"GRform", "Lab3", "Picture1", graphwidth, graphheight, 0}) {
    roundsplayed_ = chartpanel(this, "Lab2_3", "Rounds played");
    hcpindex_ = chartpanel(this, "Lab2_4", "Current Handicap Index");
    QHBoxLayout* buttons =
        chartbuttons(button(this, "Command3d1", "Scoring avg.", "Show Scoring Chart"),
                     "Print chart", "donebutton");

    auto* panels = new QHBoxLayout;
    panels->addWidget(legend(this));
    panels->addStretch(1);
    panels->addWidget(roundsplayed_);
    panels->addWidget(hcpindex_);
    QVBoxLayout* layout = column();
    layout->addLayout(panels);
    layout->addLayout(buttons);
}

void HandicapGraphWindow::fill() {
    const GraphTexts texts = graphtexts(g_, player_);
    roundsplayed_->setText(QString::fromStdString(texts.roundsplayed));
    hcpindex_->setText(QString::fromStdString(texts.currentindex));
    name_->setText(QString::fromStdString(texts.name));
}

void HandicapGraphWindow::draw(Canvas& c) {
    drawgraph(c, g_, player_);
}

void HandicapGraphWindow::printchart(PrintSurface& s, const PrintPicture& picture,
                                     const std::string& date) {
    const GraphTexts texts{name_->text().toStdString(), hcpindex_->text().toStdString(),
                           roundsplayed_->text().toStdString()};
    printgraph(s, g_, texts, picture, date);
}

} // namespace greenfold
