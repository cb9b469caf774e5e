#include "charts/ui/chartwindow.h"

#include "charts/chartprint.h"
#include "charts/ui/chartparts.h"
#include "model/programstate.h"
#include "platform/qtcanvas.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "reports/ui/printcommands.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace greenfold {

ChartWindow::ChartWindow(ProgramState& model, Services& services, int player, QWidget* mainwindow,
                         const ChartLook& look)
    : FormWindow(services, mainwindow, look.window, "Greenfold"), g_(model), player_(player),
      look_(look),
      canvas_(std::make_unique<QtCanvas>(look.width, look.height, QtCanvas::screenscale())) {
    name_ = chartpanel(this, look.namepanel, "");
    QFont big = name_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    name_->setFont(big);
    picture_ = picturebox(this, look.picture);
}

ChartWindow::~ChartWindow() = default;

QHBoxLayout* ChartWindow::chartbuttons(QPushButton* other, const QString& printtip,
                                       const char* donename) {
    auto* printbutton = button(this, "printbutton", "&Print", printtip);
    auto* donebutton = button(this, donename, "&Done", "Close chart window");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(other);
    buttons->addStretch(1);
    buttons->addWidget(printbutton);
    buttons->addWidget(donebutton);
    connect(other, &QPushButton::clicked, this, &ChartWindow::switchover);
    connect(printbutton, &QPushButton::clicked, this, &ChartWindow::print);
    connect(donebutton, &QPushButton::clicked, this, &ChartWindow::done);
    return buttons;
}

QVBoxLayout* ChartWindow::column() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name_);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    return layout;
}

void ChartWindow::load() {
    fill();
    draw(*canvas_);
    showcanvas(picture_, *canvas_);
    present(look_.downtwips);
}

void ChartWindow::print() {
    if (services_.dialogs.message(chartquestion(), Buttons::okcancel, Answer::ok) != Answer::ok)
        return;
    const std::string date = todaysdate();
    runprint(services_, [&](PrintSurface& s) {
        const PrintPicture picture =
            printpicture(look_.width, look_.height, look_.picture, [this](Canvas& c) { draw(c); });
        printchart(s, picture, date);
    });
}

// The busy pointer stays on until the other chart has shown itself.
void ChartWindow::switchover() {
    services_.busy.begin();
    handover();
    emit switchrequested();
    close();
    services_.busy.end();
}

void ChartWindow::done() {
    whilebusy(services_.busy, [this] { close(); });
}

} // namespace greenfold
