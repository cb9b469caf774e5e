#include "results/ui/resultswindow.h"

#include "model/leaguelist.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "reports/ui/printcommands.h"
#include "results/resultsprint.h"

#include <QFontDatabase>
#include <QListWidget>

namespace greenfold {

ResultsWindow::ResultsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                             QWidget* mainwindow, const char* name, const QString& caption)
    : FormWindow(services, mainwindow, name, caption), g_(model), datadir_(std::move(datadir)) {}

void ResultsWindow::readresults() {
    LoadedResults r = whilebusy(services_.busy, [&] { return loadresults(g_, datadir_); });
    file_ = std::move(r.file);
    services_.dialogs.show(r.outcome);
}

void ResultsWindow::printlines(const std::vector<std::string>& lines) {
    const std::string date = todaysdate();
    runprint(services_, [&](PrintSurface& s) { printresults(s, g_, lines, date); });
}

std::string ResultsWindow::leaguename() const {
    return greenfold::leaguename(g_);
}

QListWidget* resultslist(QWidget* parent, const char* name) {
    QListWidget* list = listbox(parent, name);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

} // namespace greenfold
