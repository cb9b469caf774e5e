#include "charts/ui/chartwindows.h"

#include "charts/ui/chartplayerpicker.h"
#include "charts/ui/comparisonwindow.h"
#include "charts/ui/handicapgraphwindow.h"
#include "charts/ui/scorepiewindow.h"

#include <QWidget>

namespace greenfold {

namespace {

// Opens a window that gives the main window back when it closes for good.
template <typename Window, typename... Choices>
Window* openwindow(QWidget* mainwindow, ProgramState& g, Services& services, Choices... choices) {
    auto* window = new Window(g, services, choices..., mainwindow);
    holdmainwindow(mainwindow, window);
    return window;
}

} // namespace

void openchartpicker(QWidget* mainwindow, ProgramState& g, Services& services, ChartTag tag) {
    auto* picker = openwindow<ChartPlayerPicker>(mainwindow, g, services);
    QObject::connect(picker, &ChartPlayerPicker::chosen, mainwindow,
                     [mainwindow, &g, &services, tag](int p) {
                         if (tag == ChartTag::line)
                             opengraph(mainwindow, g, services, p);
                         else if (tag == ChartTag::pie)
                             openpie(mainwindow, g, services, p);
                         else // no chart to hand over to: the main window must not stay off
                             mainwindow->setEnabled(true);
                     });
    picker->load();
}

void opengraph(QWidget* mainwindow, ProgramState& g, Services& services, int p) {
    auto* graph = openwindow<HandicapGraphWindow>(mainwindow, g, services, p);
    QObject::connect(graph, &HandicapGraphWindow::switchrequested, mainwindow,
                     [mainwindow, &g, &services, p] { openpie(mainwindow, g, services, p); });
    graph->load();
}

void openpie(QWidget* mainwindow, ProgramState& g, Services& services, int p) {
    auto* pie = openwindow<ScorePieWindow>(mainwindow, g, services, p);
    QObject::connect(pie, &ScorePieWindow::switchrequested, mainwindow,
                     [mainwindow, &g, &services, p] { opengraph(mainwindow, g, services, p); });
    pie->load();
}

void opencompare(QWidget* mainwindow, ProgramState& g, Services& services) {
    openwindow<ComparisonWindow>(mainwindow, g, services)->load();
}

} // namespace greenfold
