#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "results/resultsfile.h"
#include "scoring/roundslots.h"

namespace greenfold {

// The engine's round operations with the league's results file kept in step: what the
// score window and round editing use in place of recordround and deleteround. The file is
// read when the book opens and written by save with the league, in one commit.
class NightBook {
  public:
    NightBook(ProgramState& g, fs::path dir);

    RecordResult record(const RoundEntry& entry);
    DeleteResult remove(int p, int s, int selectedtee);

    // Writes the league, and the results file when a night changed, together with what
    // extra stages (match play's file); the outcome also carries the notice of a results
    // file that could not be read when the book opened.
    Outcome save(const CommitExtra& extra = {});

    const ResultsFile& file() const { return file_; }

  private:
    ProgramState& g_;
    fs::path dir_;
    ResultsFile file_;
    Outcome opened_;
    bool first_ = false; // the league had no results file: its first is made here
    bool changed_ = false;
};

} // namespace greenfold
