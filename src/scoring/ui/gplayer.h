#pragma once

#include "platform/formwindow.h"
#include "scoring/scoreentry.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace greenfold {

struct GOLF1;
struct Services;

// Picks the round to correct or delete: first the player, then one of the player's
// rounds by its date. The window's tag tells the stage ("edit", then "date").
// The round picker's tag: set to edit by the main window, date once a player is chosen
// and the list shows his rounds.
enum class GPlayerTag { none, edit, date };

class GPlayer : public FormWindow {
    Q_OBJECT

  public:
    GPlayer(GOLF1& model, Services& services, QWidget* mainwindow);
    void load() override;
    void accept();
    void exit();

    GPlayerTag tag = GPlayerTag::none;

  signals:
    // A round was chosen; the score window takes over.
    void roundchosen(const greenfold::ScoreSession& session);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void chooseplayer();
    void chooseround();

    GOLF1& g_;
    Services& services_;
    QListWidget* list1_;
    QLabel* message_;
    int player_ = 0; // the player whose rounds are listed
    bool done_ = false;
};

} // namespace greenfold
