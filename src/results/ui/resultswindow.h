#pragma once

#include "platform/formwindow.h"
#include "results/resultsfile.h"

#include <filesystem>
#include <string>
#include <vector>

namespace greenfold {

struct ProgramState;

// The base of the results windows: each reads the league's results file as it opens (a
// file that could not be read is said so, and the window works on no nights).
class ResultsWindow : public FormWindow {
    Q_OBJECT

  protected:
    ResultsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                  QWidget* mainwindow, const char* name, const QString& caption);

    void readresults();
    // Prints the lines through the print surface, portrait, with the list header.
    void printlines(const std::vector<std::string>& lines);
    // The league's name, as the lists print it.
    std::string leaguename() const;

    ProgramState& g_;
    std::filesystem::path datadir_;
    ResultsFile file_;
};

// A list box in the fixed-pitch font, so the columns of the lines stand under each other.
QListWidget* resultslist(QWidget* parent, const char* name);

} // namespace greenfold
