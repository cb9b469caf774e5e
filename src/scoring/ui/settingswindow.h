#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"
#include "scoring/settingsrules.h"

#include <filesystem>
#include <string>
#include <vector>

namespace greenfold {

struct ProgramState;

// The settings window: the handicap method and its allowance, handicap factor, stroke
// control, averaging, index limits, the nine-hole rule, the date reminder and the report
// font. OK stores them all and writes the latest-league record (in the data folder), the
// settings file and greenfold.ini (in systemdir); a switch of method on a league with
// rounds first asks whether to work the rounds out again. Closing without OK changes
// nothing.
class SettingsWindow : public FormWindow {
    Q_OBJECT

  public:
    SettingsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                   std::string systemdir, QWidget* mainwindow);
    void load() override;
    void accept();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* buildfonts();
    QWidget* buildoptions();
    QWidget* buildnine(QWidget* parent);
    QWidget* buildmethod(QWidget* parent);
    void showmethod();
    SettingsChoice chosen() const;
    bool switchmethod(const SettingsChoice& choice, Outcome& out);
    void showfont(const QString& family);

    ProgramState& g_;
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
    QButtonGroup* methodoption_;
    QComboBox* allowancecombo_;
    QWidget* allowancerow_;
    std::vector<QWidget*> classiconly_;
};

} // namespace greenfold
