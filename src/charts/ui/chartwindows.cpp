#include "charts/ui/chartwindows.h"

#include "charts/ui/anchooseplayer.h"
#include "charts/ui/compareform.h"
#include "charts/ui/grform.h"
#include "charts/ui/piechart.h"

#include <QWidget>

namespace greenfold {

namespace {

// Opens a window that gives the main window back when it closes for good.
template <typename Window, typename... Choices>
Window* openwindow(QWidget* mainwindow, GOLF1& g, Services& services, Choices... choices) {
    auto* window = new Window(g, services, choices..., mainwindow);
    holdmainwindow(mainwindow, window);
    return window;
}

} // namespace

void openchartpicker(QWidget* mainwindow, GOLF1& g, Services& services, ChartTag tag) {
    auto* picker = openwindow<ANchooseplayer>(mainwindow, g, services);
    QObject::connect(picker, &ANchooseplayer::chosen, mainwindow,
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

void opengraph(QWidget* mainwindow, GOLF1& g, Services& services, int p) {
    auto* graph = openwindow<GRform>(mainwindow, g, services, p);
    QObject::connect(graph, &GRform::switchrequested, mainwindow,
                     [mainwindow, &g, &services, p] { openpie(mainwindow, g, services, p); });
    graph->load();
}

void openpie(QWidget* mainwindow, GOLF1& g, Services& services, int p) {
    auto* pie = openwindow<Piechart>(mainwindow, g, services, p);
    QObject::connect(pie, &Piechart::switchrequested, mainwindow,
                     [mainwindow, &g, &services, p] { opengraph(mainwindow, g, services, p); });
    pie->load();
}

void opencompare(QWidget* mainwindow, GOLF1& g, Services& services) {
    openwindow<compareform>(mainwindow, g, services)->load();
}

} // namespace greenfold
