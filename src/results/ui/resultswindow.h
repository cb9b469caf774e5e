#pragma once

#include "platform/formwindow.h"
#include "results/resultsfile.h"
#include "results/seasons.h"

#include <filesystem>
#include <string>
#include <vector>

namespace greenfold {

struct ProgramState;

// The base of the results windows: each reads the league's results file as it opens (a
// file that could not be read is said so, and the window works on no nights). The windows
// that show a season can show a kept one instead, read only, from a choice of season.
class ResultsWindow : public FormWindow {
    Q_OBJECT

  protected:
    ResultsWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                  QWidget* mainwindow, const char* name, const QString& caption);

    // Reads the season chosen (the season now until another is chosen).
    void readresults();
    // The choice of season, its label first: the season now and the kept ones. Hidden when
    // the league has kept no season. Choosing reads that season and calls seasonchanged.
    QWidget* buildseasons(QWidget* parent);
    // Fills the choice; before the first readresults.
    void loadseasons();
    virtual void seasonchanged() {}
    const SeasonChoice& season() const;
    // Prints the lines through the print surface, portrait, with the list header.
    void printlines(const std::vector<std::string>& lines);
    // The league's name, as the lists print it.
    std::string leaguename() const;

    ProgramState& g_;
    std::filesystem::path datadir_;
    ResultsFile file_;

  private:
    std::vector<SeasonChoice> seasons_{SeasonChoice{}};
    QWidget* seasonrow_ = nullptr;
    QComboBox* seasoncombo_ = nullptr;
};

// A list box in the fixed-pitch font, so the columns of the lines stand under each other.
QListWidget* resultslist(QWidget* parent, const char* name);

// Today as a night's date.
NightDate todaysnight();

} // namespace greenfold
