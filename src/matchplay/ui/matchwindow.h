#pragma once

#include "platform/formwindow.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace greenfold {

struct ProgramState;
namespace matchplay {
struct MatchSeason;
}

// The base of the match play windows: each reads the league's season of match play as it
// opens (a match file that could not be read is said so, and the window works on the
// defaults) and brings it up to the league's rounds, as greenfold-cli does. A window that
// changes it writes the match file at once, with the league's commit.
class MatchWindow : public FormWindow {
    Q_OBJECT

  public:
    ~MatchWindow() override;

  private:
    std::unique_ptr<matchplay::MatchSeason> own_;

  protected:
    MatchWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                QWidget* mainwindow, const char* name, const QString& caption);

    void readseason();
    // The sides and the nights again after a change of the file, and the weeks filled.
    void refresh();
    // Writes the match file; false, and said, when it could not be written, and the
    // season is read again as it stands on disk.
    bool savefile();
    // Prints the lines under the list header, portrait; onepage keeps them to one page
    // when a smaller print can.
    void printlines(const std::vector<std::string>& lines, bool onepage = false);
    // The help on match play at a click of the button.
    void matchhelp(QAbstractButton* button);
    std::string leaguename() const;

    ProgramState& g_;
    std::filesystem::path datadir_;
    matchplay::MatchSeason& season_;
};

// A list box in the fixed-pitch font, so the columns of the lines stand under each other.
QListWidget* matchlist(QWidget* parent, const char* name);

} // namespace greenfold
