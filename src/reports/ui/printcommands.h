#pragma once

#include "lists/roundlines.h"
#include "reports/printsurface.h"

#include <functional>
#include <string>

namespace greenfold {

struct ProgramState;
struct Services;

// The print commands of the main window. They take what the window shows and what the
// user answers, and leave the layouts to the core.

// Today's date as printed reports carry it (mm-dd-yyyy).
std::string todaysdate();

// Opens the surface (a PDF file named by the user when there is no printer), runs the
// layout under the busy pointer and tells the user how it ended. Nothing happens when
// the user cancels the PDF file's name.
void runprint(Services& services, const std::function<void(PrintSurface&)>& layout);

// The print commands take the main window's lists as it shows them (see
// MainWindow::shownlines): those, not the model, are what is printed.

// "&Print": asks long (Yes) or short (No); Cancel prints nothing. Nothing happens while
// the lists hold no data line.
void printlist(const ProgramState& g, Services& services, const ListLines& lines);

// "Export Listing as Text": the short list into a text file the user names.
void exportlisting(const ProgramState& g, Services& services, const ListLines& lines);

// Prints the course handicap chart of course 1..coursecount after asking for the tee.
// The main window's course panel calls it with the course picked in "chart" mode.
void PrintChcpChart(const ProgramState& g, Services& services, int course);

} // namespace greenfold
