#pragma once

#include "platform/formwindow.h"

#include <QWidget>

#include <filesystem>
#include <memory>

class QLabel;
class QListWidget;

namespace greenfold {

struct GOLF1;
struct Services;
struct Teamdata;

// Removes players from the open league, one confirmed name at a time. The team file is
// read once when the window opens and written with the league file when it closes, so
// several removals in one visit keep every player's own team.
class RMplayer : public FormWindow {
    Q_OBJECT

  public:
    RMplayer(GOLF1& model, Services& services, std::filesystem::path datadir, QWidget* mainwindow);
    ~RMplayer() override;
    void load() override;
    void remove();
    void exit();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void fill();

    GOLF1& g_;
    Services& services_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
    QListWidget* list1_;
    QLabel* playerlabel_;
    bool saved_ = false;
};

} // namespace greenfold
