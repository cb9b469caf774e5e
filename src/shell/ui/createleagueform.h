#pragma once

#include <QWidget>

#include <filesystem>

class QLineEdit;

namespace greenfold {

struct GOLF1;
struct Services;

// Creates and deletes league files.
class Createleagueform : public QWidget {
    Q_OBJECT

  public:
    Createleagueform(GOLF1& model, Services& services, std::filesystem::path datadir,
                     QWidget* mainwindow);
    void load();
    void createleague();
    void deleteleague();

  signals:
    void listchanged();
    void closing();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void finish(const struct LeagueStep& step, bool closeafter);

    GOLF1& g_;
    Services& services_;
    std::filesystem::path datadir_;
    QLineEdit* text1_;
};

} // namespace greenfold
