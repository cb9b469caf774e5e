#include "charts/ui/piechart.h"

#include "platform/qtservices.h"

#include "charts/chartprint.h"
#include "charts/pie.h"
#include "charts/ui/chartparts.h"
#include "model/golf1.h"
#include "platform/qtcanvas.h"
#include "platform/services.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace greenfold {

Piechart::Piechart(GOLF1& model, Services& services, int player, QWidget* mainwindow)
    : ChartWindow(model, services, player, mainwindow),
      canvas_(std::make_unique<QtCanvas>(piewidth, pieheight, QtCanvas::screenscale())) {
    setObjectName("Piechart");
    setWindowTitle("Greenfold");
    setAttribute(Qt::WA_DeleteOnClose);
    namelabel_ = chartpanel(this, "Namelabel", "");
    QFont big = namelabel_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    namelabel_->setFont(big);
    p_ = picturebox(this, "P");
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel3D1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    aveparlabel_ = chartpanel(panel, "aveparlabel", "Avg. Par per hole =");
    aveholelabel_ = chartpanel(panel, "aveholelabel", "Avg. Score per hole =");
    totalholeslabel_ = chartpanel(panel, "totalholeslabel", "# of scores recorded = ");
    auto* figures = new QHBoxLayout(panel);
    for (QLabel* label : {aveparlabel_, aveholelabel_, totalholeslabel_})
        figures->addWidget(label, 1);
    auto* hcpchart = chartbutton(this, "Command3D1", "Hcp. Chart", "Show Handicap Chart");
    auto* printbutton = chartbutton(this, "printbutton", "&Print", "Print Chart");
    auto* closebutton = chartbutton(this, "closebutton", "&Done", "Close chart window");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hcpchart);
    buttons->addStretch(1);
    buttons->addWidget(printbutton);
    buttons->addWidget(closebutton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namelabel_);
    layout->addWidget(p_, 0, Qt::AlignHCenter);
    layout->addWidget(panel);
    layout->addLayout(buttons);

    connect(hcpchart, &QPushButton::clicked, this, &Piechart::switchover);
    connect(printbutton, &QPushButton::clicked, this, &Piechart::print);
    connect(closebutton, &QPushButton::clicked, this, &Piechart::done);
}

Piechart::~Piechart() = default;

void Piechart::load() {
    const int p = player_;
    const ScoreCount count = countscores(g_, p);
    slices_ = pieslices(count);
    drawpie(*canvas_, slices_);
    showcanvas(p_, *canvas_);
    const PieTexts texts = pietexts(g_, p, count);
    namelabel_->setText(QString::fromStdString(texts.name));
    aveparlabel_->setText(QString::fromStdString(texts.avepar));
    aveholelabel_->setText(QString::fromStdString(texts.avehole));
    totalholeslabel_->setText(QString::fromStdString(texts.totalholes));
    adjustSize();
    centrewindow(this, 90);
    show();
}

void Piechart::printchart(PrintSurface& s, const std::string& date) {
    const PrintPicture picture =
        printpicture(piewidth, pieheight, "P", [this](Canvas& c) { drawpie(c, slices_); });
    const PieTexts texts{namelabel_->text().toStdString(), aveparlabel_->text().toStdString(),
                         aveholelabel_->text().toStdString(),
                         totalholeslabel_->text().toStdString()};
    printpie(s, g_, texts, picture, date);
}

} // namespace greenfold
