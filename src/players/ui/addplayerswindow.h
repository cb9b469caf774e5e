#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <array>
#include <filesystem>
#include <memory>

namespace greenfold {

struct ProgramState;
struct Teamdata;

// Adds players to the open league. Additions live in memory until the window closes,
// which writes the team file (when the league keeps one) and the league file.
class AddPlayersWindow : public FormWindow {
    Q_OBJECT

  public:
    AddPlayersWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                     QWidget* mainwindow);
    ~AddPlayersWindow() override;
    void load() override;
    void add();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void leaving() override;

  private:
    int tee() const;

    ProgramState& g_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
    QLineEdit* text1_;
    std::array<QRadioButton*, 3> option_{};
    QLabel* playernumlabel_;
};

} // namespace greenfold
