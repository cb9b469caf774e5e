#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <string>
#include <vector>

namespace greenfold {

// Backing the data files up to another folder (a removable disk, a synced folder) and
// restoring them from there. The backup leaves "restore.dat" beside the copies: two
// lines a file, the copy's path and the path it came from.
inline constexpr const char* restorelistname = "restore.dat";
// The list is read as far as a backup can write it: two lines for each file of every
// known league (league, team, index history, results and match file), the latest-league record
// and the course file.
inline constexpr int maxrestoreitems = 2 * (5 * maxleagues + 2);

// The files a backup copies, in order: each known league, the latest-league record, the
// course file, each league's team file, each league's index history file, each league's
// results file, each league's match file.
std::vector<std::string> backupnames(const ProgramState& g);

struct BackupPair {
    std::string copy;   // the copy in the backup folder
    std::string source; // where it came from
};

// Copies the data files of datadir into dest and writes the list file. A team, index
// history, results or match file that is not there is skipped and gets no pair in the list, so a
// later restore does not stop at it. Any other missing file or failed copy stops the backup.
Outcome backup(const ProgramState& g, const fs::path& datadir, const fs::path& dest,
               std::vector<BackupPair>* copied = nullptr);

// The list file's pairs, read whole-line (a path may hold a comma), at most maxrestoreitems;
// an odd last item has no partner and is left out.
std::vector<BackupPair> readrestorelist(std::istream& in);

// Copies every listed file back from the backup folder to the folder recorded for it.
// Only the program's own data files are restored: a league (.lge), team (.tea), index
// history (.hix), results (.res), match (.mat), the latest-league record and the course file, each
// found by its name in the backup folder and written under the same name. Any other pair stops the
// restore. Files restored before a failure stay restored and are named in the message.
Outcome restore(const fs::path& backupdir, std::vector<std::string>* restored = nullptr);

Message backupfailure();
Message restorefailure(const std::vector<std::string>& restored);
Message restoredone();
Message restorewarning();
// After a restore the league that was open is closed and must be opened again.
Message restoredreopen();

// The input box of the restore where drive letters exist.
inline constexpr const char* restoretitle = "Restoring files from floppy disk to your hard drive";
inline constexpr const char* restoreprompt =
    "Enter the Letter of the location of your backup disk\r\n\r\n(Type A or B then click OK)";

} // namespace greenfold

namespace greenfold {

// Whether a mounted volume's root is one a user plugs in (a USB stick, a card), by where
// desktop systems mount those.
bool removablemount(const std::string& root);

} // namespace greenfold
