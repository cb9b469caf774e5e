#pragma once

#include "reports/printsurface.h"
#include "shell/roundlines.h"

#include <functional>
#include <string>

namespace greenfold {

class Form2;
struct Services;

// The print commands of the main window. They take what the window shows and what the
// user answers, and leave the layouts to the core.

// Today's date as printed reports carry it (mm-dd-yyyy).
std::string todaysdate();

// The lines of the main window's two lists, exactly as it shows them. The lists, not
// the model, are what is printed: after another window changed the player it worked on,
// or before the view's redraw after score entry, the model already holds something the
// user is not looking at.
ListLines shownlines(const Form2& form);

// Opens the surface (a PDF file named by the user when there is no printer), runs the
// layout under the busy pointer and tells the user how it ended. Nothing happens when
// the user cancels the PDF file's name.
void runprint(Services& services, const std::function<void(PrintSurface&)>& layout);

// "&Print": asks long (Yes) or short (No); Cancel prints nothing. Nothing happens while
// the lists hold no data line or the name list is not available to the user.
void printlist(Form2& form);

// "Export Listing as Text": the short list into a text file the user names.
void exportlisting(Form2& form);

// Prints the course handicap chart of course 1..coursecount after asking for the tee.
// The main window's course panel calls it with the course picked in "chart" mode.
void PrintChcpChart(Form2& form, int course);

} // namespace greenfold
