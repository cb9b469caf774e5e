#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <array>
#include <filesystem>
#include <memory>

namespace greenfold {

struct GOLF1;
struct Teamdata;

// Adds players to the open league. Additions live in memory until the window closes,
// which writes the team file (when the league keeps one) and the league file.
class playform : public FormWindow {
    Q_OBJECT

  public:
    playform(GOLF1& model, Services& services, std::filesystem::path datadir, QWidget* mainwindow);
    ~playform() override;
    void load() override;
    void add();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaving() override;

  private:
    int tee() const;

    GOLF1& g_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
    QLineEdit* text1_;
    std::array<QRadioButton*, 3> option_{};
    QLabel* playernumlabel_;
};

} // namespace greenfold
