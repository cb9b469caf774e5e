#pragma once

#include "platform/formwindow.h"
#include "platform/qtforward.h"

namespace greenfold {

struct GOLF1;

// The league's current handicap indexes side by side: one chart line per player with
// rounds, lowest index first, under a scale line; prints the same lines as a listing.
class compareform : public FormWindow {
    Q_OBJECT

  public:
    compareform(GOLF1& model, Services& services, QWidget* mainwindow);
    void load() override;
    void print();

  private:
    QWidget* buildchart();

    GOLF1& g_;
    QListWidget* list1_ = nullptr;
};

} // namespace greenfold
