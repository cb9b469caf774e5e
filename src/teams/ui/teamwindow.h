#pragma once

#include "model/outcome.h"
#include "platform/formwindow.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace greenfold {

struct ProgramState;
struct Teamdata;

// The base of the team windows: each reads the league's team file as it opens and works
// on the teams in memory; the windows that change them write the file as they close.
class TeamWindow : public FormWindow {
    Q_OBJECT

  public:
    ~TeamWindow() override;

  protected:
    TeamWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
               QWidget* mainwindow, const char* name, const QString& caption);

    // Reads the team file; the first team is the current one.
    void readteams();
    // Writes the team file under the busy pointer.
    Outcome writeteams();

    ProgramState& g_;
    std::filesystem::path datadir_;
    std::unique_ptr<Teamdata> teams_;
    std::vector<std::string> readnames_; // the team names as read, for renames to follow
};

} // namespace greenfold
