#pragma once

#include "model/programstate.h"
#include "platform/qtforward.h"
#include "scoring/scorecard.h"

#include <QWidget>

#include <array>

namespace greenfold {

// The score window's card: par and score boxes of the 18 holes, the out and in boxes
// and the total, each following every change the way the user sees it happen.
class ScoreGrid : public QWidget {
    Q_OBJECT

  public:
    explicit ScoreGrid(QWidget* parent);

    // While new rounds are entered the focus moves on by itself after each hole.
    void setentering(bool entering) { entering_ = entering; }
    void showpars(const ProgramState& g, int course);
    // Empty hole boxes and "  0" totals, for the next player.
    void clearscores();
    // A stored round, for editing.
    void showround(const std::array<int16_t, maxholes + 1>& scores);
    // Sets a hole box as if it had been typed, without moving the focus.
    void sethole(int hole, const std::string& text);
    void focushole(int hole);

    DisplayedRound round(int tee) const;
    QLineEdit* hole(int h) const { return scoretext_[h]; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* box(const QString& name, int width);
    void addnine(int nine);
    void holechanged(int hole);
    void parchanged(int hole);
    void totalchanged();
    bool filterkey(QObject* watched, const QString& typed);

    bool entering_ = true;
    bool filling_ = false;
    std::array<QLineEdit*, 19> scoretext_{};
    std::array<QLineEdit*, 19> partext_{};
    QLineEdit* outscoretext_;
    QLineEdit* inscoretext_;
    QLabel* totalscorelabel_;
    QLabel* outlabel_;
    QLabel* inlabel_;
    QLabel* totallabel_;
};

} // namespace greenfold
