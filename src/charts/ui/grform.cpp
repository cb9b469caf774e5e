#include "charts/ui/grform.h"

#include "platform/qtservices.h"

#include "charts/chartprint.h"
#include "charts/graph.h"
#include "charts/ui/chartparts.h"
#include "model/golf1.h"
#include "platform/qtcanvas.h"
#include "platform/services.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
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

} // namespace

GRform::GRform(GOLF1& model, Services& services, int player, QWidget* mainwindow)
    : ChartWindow(model, services, player, mainwindow),
      canvas_(std::make_unique<QtCanvas>(graphwidth, graphheight, QtCanvas::screenscale())) {
    setObjectName("GRform");
    setWindowTitle("Greenfold");
    setAttribute(Qt::WA_DeleteOnClose);
    lab3_ = chartpanel(this, "Lab3", "");
    QFont big = lab3_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    lab3_->setFont(big);
    picture1_ = picturebox(this, "Picture1");
    roundsplayed_ = chartpanel(this, "Lab2_3", "Rounds played");
    hcpindex_ = chartpanel(this, "Lab2_4", "Current Handicap Index");
    auto* scoring = chartbutton(this, "Command3d1", "Scoring avg.", "Show Scoring Chart");
    auto* printbutton = chartbutton(this, "printbutton", "&Print", "Print chart");
    auto* donebutton = chartbutton(this, "donebutton", "&Done", "Close chart window");

    auto* panels = new QHBoxLayout;
    panels->addWidget(buildlegend());
    panels->addStretch(1);
    panels->addWidget(roundsplayed_);
    panels->addWidget(hcpindex_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(scoring);
    buttons->addStretch(1);
    buttons->addWidget(printbutton);
    buttons->addWidget(donebutton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lab3_);
    layout->addWidget(picture1_, 0, Qt::AlignHCenter);
    layout->addLayout(panels);
    layout->addLayout(buttons);

    connect(scoring, &QPushButton::clicked, this, &GRform::switchover);
    connect(printbutton, &QPushButton::clicked, this, &GRform::print);
    connect(donebutton, &QPushButton::clicked, this, &GRform::done);
}

GRform::~GRform() = default;

QWidget* GRform::buildlegend() {
    auto* legend = new QFrame(this);
    legend->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* grid = new QGridLayout(legend);
    grid->addWidget(legendline(legend, "Line1_0", QColor(192, 0, 0)), 0, 0);
    grid->addWidget(new QLabel("Handicap Differential", legend), 0, 1);
    grid->addWidget(legendline(legend, "Line1_1", Qt::black), 1, 0);
    grid->addWidget(new QLabel("Handicap Index", legend), 1, 1);
    grid->itemAtPosition(0, 1)->widget()->setObjectName("Lab2_1");
    grid->itemAtPosition(1, 1)->widget()->setObjectName("Lab2_2");
    return legend;
}

void GRform::load() {
    const int p = player_;
    drawgraph(*canvas_, g_, p);
    showcanvas(picture1_, *canvas_);
    const GraphTexts texts = graphtexts(g_, p);
    roundsplayed_->setText(QString::fromStdString(texts.roundsplayed));
    hcpindex_->setText(QString::fromStdString(texts.currentindex));
    lab3_->setText(QString::fromStdString(texts.name));
    adjustSize();
    centrewindow(this, 0);
    show();
}

void GRform::printchart(PrintSurface& s, const std::string& date) {
    const int p = player_;
    const PrintPicture picture =
        printpicture(graphwidth, graphheight, "Picture1", [&](Canvas& c) { drawgraph(c, g_, p); });
    const GraphTexts texts{lab3_->text().toStdString(), hcpindex_->text().toStdString(),
                           roundsplayed_->text().toStdString()};
    printgraph(s, g_, texts, picture, date);
}

} // namespace greenfold
