#include "players/ui/playerorderwindow.h"

#include "model/programstate.h"
#include "model/textline.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/widgets.h"
#include "players/ordering.h"
#include "players/roster.h"
#include "teams/teamfile.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace greenfold {

PlayerOrderWindow::PlayerOrderWindow(ProgramState& model, Services& services,
                                     std::filesystem::path datadir, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "sortform", "Greenfold"), g_(model),
      datadir_(std::move(datadir)), teams_(std::make_unique<Teamdata>()) {
    playerlabel_ = centredpanel(this, "Playerlabel", "Player Listing");
    list1_ = listbox(this, "List1");
    // The positions are right-aligned in three characters: they line up in a fixed font.
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::Monospace);
    fixed.setFixedPitch(true);
    list1_->setFont(fixed);
    label1_ = panel(this, "Label1");
    text1_ = textbox(this, "Text1");
    text1_->setMaximumWidth(twips(700));
    spinbutton1_ = new SpinButton("SpinButton1", this);
    changebutton_ = button(this, "changebutton", "Change Position");
    changebutton_->setEnabled(false);
    auto* exitbutton = button(this, "exitbutton", "&Close", "Close position sorting window");

    auto* side = new QGridLayout;
    side->addWidget(label(this, "Label2", "Click on a name to Select."), 0, 0, 1, 3);
    side->addWidget(label1_, 1, 0, 1, 3);
    side->addWidget(label(this, "Label3", "Use Spin button or type"), 2, 0, 1, 3);
    side->addWidget(label(this, "Label4", "in desired position number."), 3, 0, 1, 3);
    side->addWidget(label(this, "Label5", "Position"), 4, 0);
    side->addWidget(text1_, 4, 1);
    side->addWidget(spinbutton1_, 4, 2, Qt::AlignLeft);
    side->addWidget(label(this, "Label6", "Click the Change Position"), 5, 0, 1, 3);
    side->addWidget(label(this, "Label7", "Button to make the change."), 6, 0, 1, 3);
    side->addWidget(changebutton_, 7, 0, 1, 3);
    side->setRowStretch(8, 1);
    side->addWidget(exitbutton, 9, 0, 1, 3);
    auto* grid = new QGridLayout(this);
    grid->addWidget(playerlabel_, 0, 0);
    grid->addWidget(list1_, 1, 0);
    grid->addLayout(side, 1, 1);
    grid->setColumnStretch(0, 1);
    resize(twips(7000), twips(5600));

    connect(list1_, &QListWidget::currentRowChanged, this, &PlayerOrderWindow::choose);
    connect(list1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { choose(list1_->row(item)); });
    connect(text1_, &QLineEdit::textChanged, this, &PlayerOrderWindow::typed);
    connect(spinbutton1_, &SpinButton::up, this, [this] { spin(1); });
    connect(spinbutton1_, &SpinButton::down, this, [this] { spin(-1); });
    connect(changebutton_, &QPushButton::clicked, this, &PlayerOrderWindow::change);
    connect(exitbutton, &QPushButton::clicked, this, &QWidget::close);
}

PlayerOrderWindow::~PlayerOrderWindow() = default;

void PlayerOrderWindow::load() {
    playerlabel_->setText(QString::fromStdString(leagueplayerlist(g_)));
    fill();
    loadteams(g_, *teams_, datadir_);
    centrewindow(this, 0);
    show();
    list1_->setFocus();
}

void PlayerOrderWindow::fill() {
    const QSignalBlocker quiet(list1_);
    list1_->clear();
    slots_.clear();
    for (const auto& line : orderlines(g_)) {
        list1_->addItem(QString::fromStdString(line.text));
        slots_.push_back(line.slot);
    }
}

void PlayerOrderWindow::choose(int row) {
    if (row < 0 || row >= int(slots_.size())) return;
    label1_->setText(QString::fromStdString(ordername(list1_->item(row)->text().toStdString())));
    current_ = slots_[row];
    text1_->setText(" " + QString::number(current_));
}

void PlayerOrderWindow::typed(const QString& text) {
    if (current_ == 0) {
        if (!text.isEmpty()) text1_->clear();
        return;
    }
    const double value = leadingnumber(text.toStdString());
    if (value > g_.playercount) {
        text1_->setText(QString::number(g_.playercount)); // comes back here with the number
        return;
    }
    changebutton_->setEnabled(true);
    target_ = clampposition(g_, value);
    text1_->setCursorPosition(int(text1_->text().size()));
}

void PlayerOrderWindow::spin(int step) {
    if (current_ == 0) return;
    target_ = std::clamp(target_ + step, 1, std::max<int>(g_.playercount, 1));
    showtarget();
}

void PlayerOrderWindow::showtarget() {
    text1_->setText(QString::number(target_));
}

void PlayerOrderWindow::change() {
    if (!moveplayer(g_, current_, target_)) {
        services_.dialogs.beep();
        return;
    }
    fill();
    changebutton_->setEnabled(false);
    // The moved player stays chosen, now at his new position.
    current_ = target_;
    const auto at = std::find(slots_.begin(), slots_.end(), current_);
    if (at != slots_.end()) {
        const QSignalBlocker quiet(list1_);
        list1_->setCurrentRow(int(at - slots_.begin()));
    }
}

void PlayerOrderWindow::leaving() {
    Outcome out = whilebusy(services_.busy, [&] {
        return saveroster(g_, g_.teamsdefined == 1 ? teams_.get() : nullptr, datadir_);
    });
    services_.dialogs.show(out);
}

} // namespace greenfold
