#include "charts/ui/chartwindow.h"

#include "charts/chartprint.h"
#include "model/golf1.h"
#include "platform/services.h"
#include "reports/ui/printcommands.h"

#include <QCloseEvent>

namespace greenfold {

ChartWindow::ChartWindow(GOLF1& model, Services& services, int player, QWidget* mainwindow)
    : FormWindow(mainwindow), g_(model), services_(services), player_(player) {}

void ChartWindow::print() {
    if (services_.dialogs.message(chartquestion(), Buttons::okcancel, Answer::ok) != Answer::ok)
        return;
    const std::string date = todaysdate();
    runprint(services_, [&](PrintSurface& s) { printchart(s, date); });
}

// The busy pointer stays on until the other chart has shown itself.
void ChartWindow::switchover() {
    services_.busy.begin();
    finished_ = true;
    emit switchrequested();
    close();
    services_.busy.end();
}

void ChartWindow::done() {
    whilebusy(services_.busy, [this] { close(); });
}

void ChartWindow::closeEvent(QCloseEvent* event) {
    // Closing the window any other way than switching is Done.
    if (!finished_) {
        finished_ = true;
        emit closed();
    }
    QWidget::closeEvent(event);
}

} // namespace greenfold
