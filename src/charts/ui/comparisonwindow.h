#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

namespace greenfold {

struct ProgramState;

// The league's current handicap indexes side by side: one chart line per player with
// rounds, lowest index first, under a scale line; prints the same lines as a listing.
class ComparisonWindow : public FormWindow {
    Q_OBJECT

  public:
    ComparisonWindow(ProgramState& model, Services& services, QWidget* mainwindow);
    void load() override;
    void print();

  private:
    QWidget* buildchart();

    ProgramState& g_;
    QListWidget* list1_ = nullptr;
};

} // namespace greenfold
