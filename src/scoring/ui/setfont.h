#pragma once

#include "platform/formwindow.h"

#include <QWidget>

#include <filesystem>
#include <string>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace greenfold {

struct GOLF1;
struct Services;

// The settings window: handicap factor, stroke control, averaging, index limits, the
// nine-hole rule, the date reminder and the report font. OK stores them all and writes
// the latest-league record (in the data folder) and the settings file (in systemdir).
class Setfont : public FormWindow {
    Q_OBJECT

  public:
    Setfont(GOLF1& model, Services& services, std::filesystem::path datadir, std::string systemdir,
            QWidget* mainwindow);
    void load() override;
    void accept();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildfonts();
    QWidget* buildoptions();
    QWidget* buildnine(QWidget* parent);
    void showfont(const QString& family);

    GOLF1& g_;
    Services& services_;
    std::filesystem::path datadir_;
    std::string systemdir_;
    QLabel* fontlabel_ = nullptr;
    QListWidget* list1_ = nullptr;
    QLineEdit* hcptext_ = nullptr;
    QCheckBox* equitablecheck_ = nullptr;
    QCheckBox* averagecheck_ = nullptr;
    QCheckBox* hcplimitcheck_ = nullptr;
    QCheckBox* dateremindcheck_ = nullptr;
    QButtonGroup* nineholeoption_ = nullptr;
    QLabel* ninehelp_ = nullptr;
    bool done_ = false;
};

} // namespace greenfold
