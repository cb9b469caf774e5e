#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <filesystem>

namespace greenfold {

struct GOLF1;

// Creates and deletes league files.
class Createleagueform : public FormWindow {
    Q_OBJECT

  public:
    Createleagueform(GOLF1& model, Services& services, std::filesystem::path datadir,
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

    GOLF1& g_;
    std::filesystem::path datadir_;
    QLineEdit* text1_;
};

} // namespace greenfold
