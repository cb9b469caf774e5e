#pragma once

#include "platform/qtforward.h"

namespace greenfold {

// The main window's tag for the chart picker: which chart a chosen player opens.
enum class ChartTag { none, line, pie };

struct ProgramState;
struct Services;

// The entry points of the Analysis menu. Each disables the main window and opens its
// window; the main window comes back when the last window of the chain closes (a
// picker hands over to its chart, the two player charts hand over to each other).

// The chart picker; once a player is chosen it opens the chart the main window's tag
// names: line the handicap history graph, pie the score distribution chart.
void openchartpicker(QWidget* mainwindow, ProgramState& g, Services& services, ChartTag tag);

// The charts of player p (playerno).
void opengraph(QWidget* mainwindow, ProgramState& g, Services& services, int p);
void openpie(QWidget* mainwindow, ProgramState& g, Services& services, int p);

// The league handicap comparison.
void opencompare(QWidget* mainwindow, ProgramState& g, Services& services);

} // namespace greenfold
