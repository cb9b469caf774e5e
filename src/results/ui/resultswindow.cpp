#include "results/ui/resultswindow.h"

#include "model/leaguelist.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "reports/ui/printcommands.h"
#include "results/resultsprint.h"

#include <QComboBox>
#include <QDate>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace greenfold {

ResultsWindow::ResultsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                             QWidget* mainwindow, const char* name, const QString& caption)
    : FormWindow(services, mainwindow, name, caption), g_(model), datadir_(std::move(datadir)) {}

void ResultsWindow::readresults() {
    LoadedResults r = whilebusy(services_.busy, [&] { return loadseason(g_, season(), datadir_); });
    file_ = std::move(r.file);
    services_.dialogs.show(r.outcome);
}

QWidget* ResultsWindow::buildseasons(QWidget* parent) {
    seasonrow_ = new QWidget(parent);
    auto* row = new QHBoxLayout(seasonrow_);
    row->setContentsMargins(0, 0, 0, 0);
    auto* caption = label(seasonrow_, "Seasonlabel", "S&eason");
    seasoncombo_ = new QComboBox(seasonrow_);
    seasoncombo_->setObjectName("Seasoncombo");
    seasoncombo_->setToolTip("A season put aside by File > Start a New Season is shown as it "
                             "ended, read only");
    caption->setBuddy(seasoncombo_);
    row->addWidget(caption);
    row->addWidget(seasoncombo_);
    seasonrow_->hide();
    connect(seasoncombo_, &QComboBox::currentIndexChanged, this, [this] {
        readresults();
        seasonchanged();
    });
    return seasonrow_;
}

void ResultsWindow::loadseasons() {
    seasons_ = seasonchoices(g_, datadir_);
    if (seasoncombo_ == nullptr) return;
    const QSignalBlocker quiet(seasoncombo_);
    seasoncombo_->clear();
    for (const SeasonChoice& s : seasons_)
        seasoncombo_->addItem(QString::fromStdString(seasoncaption(s)));
    seasonrow_->setVisible(seasons_.size() > 1);
}

const SeasonChoice& ResultsWindow::season() const {
    const int k = seasoncombo_ != nullptr ? seasoncombo_->currentIndex() : 0;
    return seasons_[k >= 0 && k < int(seasons_.size()) ? std::size_t(k) : 0];
}

void ResultsWindow::printlines(const std::vector<std::string>& lines) {
    const std::string date = todaysdate();
    runprint(services_, [&](PrintSurface& s) { printresults(s, g_, lines, date); });
}

std::string ResultsWindow::leaguename() const {
    return greenfold::leaguename(g_);
}

NightDate todaysnight() {
    const QDate today = QDate::currentDate();
    return {int16_t(today.month()), int16_t(today.day()), int16_t(today.year() % 100)};
}

QListWidget* resultslist(QWidget* parent, const char* name) {
    QListWidget* list = listbox(parent, name);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

} // namespace greenfold
