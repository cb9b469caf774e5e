#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

#include <filesystem>
#include <string>

namespace greenfold {

struct GOLF1;

// The settings window: handicap factor, stroke control, averaging, index limits, the
// nine-hole rule, the date reminder and the report font. OK stores them all and writes
// the latest-league record (in the data folder) and the settings file (in systemdir).
// Closing without OK changes nothing.
class Setfont : public FormWindow {
    Q_OBJECT

  public:
    Setfont(GOLF1& model, Services& services, std::filesystem::path datadir, std::string systemdir,
            QWidget* mainwindow);
    void load() override;
    void accept();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildfonts();
    QWidget* buildoptions();
    QWidget* buildnine(QWidget* parent);
    void showfont(const QString& family);

    GOLF1& g_;
    std::filesystem::path datadir_;
    std::string systemdir_;
    QLabel* fontlabel_;
    QListWidget* list1_;
    QLineEdit* hcptext_;
    QCheckBox* equitablecheck_;
    QCheckBox* averagecheck_;
    QCheckBox* hcplimitcheck_;
    QCheckBox* dateremindcheck_;
    QButtonGroup* nineholeoption_;
    QLabel* ninehelp_;
};

} // namespace greenfold
