#include "charts/ui/scorepiewindow.h"

#include "charts/chartprint.h"
#include "charts/pie.h"
#include "charts/ui/chartparts.h"
#include "model/programstate.h"
#include "platform/widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace greenfold {

ScorePieWindow::ScorePieWindow(ProgramState& model, Services& services, int player,
                               QWidget* mainwindow)
    : ChartWindow(model, services, player, mainwindow,
                  {"Piechart", "Namelabel", "P", piewidth, pieheight, 90}) {
    QWidget* figures = buildfigures();
    QHBoxLayout* buttons =
        chartbuttons(button(this, "Command3D1", "Hcp. Chart", "Show Handicap Chart"), "Print Chart",
                     "closebutton");

    QVBoxLayout* layout = column();
    layout->addWidget(figures);
    layout->addLayout(buttons);
}

// The figures under the pie, side by side on a raised panel.
QWidget* ScorePieWindow::buildfigures() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel3D1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    aveparlabel_ = chartpanel(panel, "aveparlabel", "Avg. Par per hole =");
    aveholelabel_ = chartpanel(panel, "aveholelabel", "Avg. Score per hole =");
    totalholeslabel_ = chartpanel(panel, "totalholeslabel", "# of scores recorded = ");
    auto* figures = new QHBoxLayout(panel);
    for (QLabel* label : {aveparlabel_, aveholelabel_, totalholeslabel_})
        figures->addWidget(label, 1);
    return panel;
}

// The slices are worked out with the figures, before the pie is drawn.
void ScorePieWindow::fill() {
    const ScoreCount count = countscores(g_, player_);
    slices_ = pieslices(count);
    const PieTexts texts = pietexts(g_, player_, count);
    name_->setText(QString::fromStdString(texts.name));
    aveparlabel_->setText(QString::fromStdString(texts.avepar));
    aveholelabel_->setText(QString::fromStdString(texts.avehole));
    totalholeslabel_->setText(QString::fromStdString(texts.totalholes));
}

void ScorePieWindow::draw(Canvas& c) {
    drawpie(c, slices_);
}

void ScorePieWindow::printchart(PrintSurface& s, const PrintPicture& picture,
                                const std::string& date) {
    const PieTexts texts{name_->text().toStdString(), aveparlabel_->text().toStdString(),
                         aveholelabel_->text().toStdString(),
                         totalholeslabel_->text().toStdString()};
    printpie(s, g_, texts, picture, date);
}

} // namespace greenfold
