#pragma once

#include "model/leaguelock.h"
#include "model/outcome.h"
#include "model/safefile.h"

#include <functional>
#include <string>
#include <vector>

namespace greenfold {

// A league's files change together or not at all. A change that writes several of them
// (the league, its index history, results, teams and matches, copies kept aside) stages
// each file's new bytes in a LeagueCommit and runs it:
//   1. each new file is written under a temporary name beside it ("Spring.res.4711.saving~",
//      unique to the process) and forced to disk;
//   2. under the commit lock, the commit record "Spring.commit" naming every rename is
//      written and forced to disk (a single file needs none: its rename is the commit);
//   3. each temporary file is renamed over its file, and the folder forced to disk;
//   4. the record is removed.
// Opening the league (recoverleague) finishes a record it finds (roll forward) or, with
// none, removes the league's temporary files (roll back), so a kill at any moment leaves
// the league all old or all new. docs/commit.md tells the whole protocol.
inline constexpr const char* commitsuffix = ".commit";
inline constexpr const char* commitversion = "Greenfold commit 1";

class LeagueCommit {
  public:
    LeagueCommit(fs::path dir, std::string leaguefile);

    // New contents for a file of the league in the folder, found whatever its letter case
    // (a new name is used as given); failure is what the user is told when it cannot be
    // written. A file staged twice keeps the later bytes.
    void write(const std::string& name, std::string bytes, Message failure);
    bool empty() const { return files_.empty(); }
    bool writes(const std::string& name) const;

    // Keeps damaged originals (see safefile.h), then writes every file as above, under
    // the league's writer lock (held already, or taken for the commit and refused when
    // another process holds it). Nothing is written unless everything is.
    Outcome run(std::vector<std::string>& damaged, const StreamWrap& wrap = {});

  private:
    struct Staged {
        fs::path target;
        fs::path temporary;
        std::string bytes;
        Message failure;
    };
    bool writetemporaries(std::size_t& failed, const StreamWrap& wrap);
    void removetemporaries();
    Outcome commit(const LeagueLock& writer);

    fs::path dir_;
    std::string leaguefile_;
    std::vector<Staged> files_;
};

// More files of one change, staged by a part of the program the caller knows and the
// stager does not (match play's file beside a night's results, say).
using CommitExtra = std::function<Outcome(LeagueCommit& commit)>;

// Finishes what a writer of the league left: a commit record is carried out, or without
// one the league's temporary files are removed. Needs the writer's lock (taken here when
// this process does not hold it; refused when another does).
Outcome recoverleague(const fs::path& dir, const std::string& leaguefile);

// A reader's way in: waits for a commit in progress, finishes one a killed writer left
// (when no other process holds the writer's lock), and holds the commit lock shared while
// the guard lives. refusal says why the files cannot be read now.
struct ReadTry {
    ReadGuard guard;
    std::string refusal;
};
ReadTry guardread(const fs::path& dir, const std::string& leaguefile,
                  std::chrono::milliseconds wait = std::chrono::seconds(10));

// What a commit that stopped between its renames says: the record finishes it when the
// league is next opened.
Message unfinishedcommit(const std::string& leaguefile);

// The next free name for a copy kept beside its file: name, else name-2, name-3, ...
std::string freename(const fs::path& dir, const std::string& name);

// The test seam of the commit: called before each step that writes (a temporary file,
// the record), renames or removes (the record), counting from 1 across the commit. It
// answers go on, fail (the step fails, as on a full disk) or stop (throws CommitStopped,
// leaving everything as a kill would).
enum class CommitStep { temporary, record, rename, removerecord };
enum class SeamAnswer { go, fail, stop };
struct CommitStopped {};
using CommitSeam = std::function<SeamAnswer(CommitStep step, int count)>;
void setcommitseam(CommitSeam seam);

} // namespace greenfold
