#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"
#include "results/nightbook.h"
#include "scoring/scorecard.h"
#include "scoring/scoreentry.h"

#include <array>
#include <filesystem>

namespace greenfold {

struct ProgramState;
class ScoreGrid;

// The score window, for the session the set-up or the round picker chose. Entering
// (editslot 0): one round for each waiting player, one after another, with Skip.
// Editing (editslot > 0): the stored round of the session's player, with Delete. The league file is
// written when the run ends by recording or skipping the last player or by deleting; Cancel writes
// nothing.
class ScoreWindow : public FormWindow {
    Q_OBJECT

  public:
    ScoreWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                ScoreSession session, QWidget* mainwindow);
    void load() override;

    void record();
    void skip();
    void cancel();
    void deleteround();
    void viewmath();
    // Ends the pause after a round recorded with the panel open: the next player, or the
    // end of the run.
    void endpause();
    bool panelopen() const { return panelopen_; }
    bool paused() const { return paused_; }
    ScoreGrid* grid() const { return grid_; }

  signals:
    // The league file is being written (true) or done (false).
    void saving(bool on);

  protected:
    void leaving() override;

  private:
    QWidget* buildtees();
    QWidget* buildbuttons();
    QWidget* buildpanel();
    void pause();
    void place();
    void showplayer();
    void selecttee(int tee);
    int tee() const;
    void recordnow();
    void advance();
    void endrun(bool save);
    void finishrun(bool save);

    ProgramState& g_;
    std::filesystem::path datadir_;
    ScoreSession session_;
    NightBook book_; // the league's nights, kept in step with its rounds
    ScoreGrid* grid_;
    QWidget* card_;
    QLabel* pnamelabel_;
    QLabel* namelabel_;
    QLabel* eqlabel_;
    QButtonGroup* tees_ = nullptr;
    QPushButton* skipbutton_ = nullptr;
    QPushButton* deletebutton_ = nullptr;
    QWidget* panel_;    // the calculation panel: the pause line over the steps
    QWidget* pausebar_; // shown while the window pauses
    QLabel* pauselabel_;
    QPushButton* continuebutton_;
    QListWidget* list1_;
    QTimer* timer1_;
    bool panelopen_ = false;
    bool paused_ = false;
    bool ended_ = false;
    int recorded_ = 0;       // rounds recorded in this run
    DisplayedRound pending_; // the round Record records, while it waits
};

} // namespace greenfold
