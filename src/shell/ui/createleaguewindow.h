#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <filesystem>

namespace greenfold {

struct ProgramState;

// Creates and deletes league files.
class CreateLeagueWindow : public FormWindow {
    Q_OBJECT

  public:
    CreateLeagueWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                       QWidget* mainwindow);
    void load() override;
    void createleague();
    void deleteleague();

  signals:
    void listchanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void finish(const struct LeagueStep& step, bool closeafter);

    ProgramState& g_;
    std::filesystem::path datadir_;
    QLineEdit* text1_;
};

} // namespace greenfold
