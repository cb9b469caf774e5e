#pragma once

#include "model/outcome.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

namespace greenfold {

namespace fs = std::filesystem;

// The program's file names are matched without regard to letter case ("course.dat"
// and "Course.DAT" are one file). Returns the existing file in dir whose name matches,
// or dir / name when there is none.
fs::path findfile(const fs::path& dir, const std::string& name);

// Lets a test put a failing stream between a writer and its file.
using StreamWrap = std::function<std::unique_ptr<std::streambuf>(std::streambuf* file)>;

// Writes a file whole or not at all: the bytes go to a temporary file beside the
// target, which is flushed, forced to disk, closed and renamed over the old file; then
// the folder is forced to disk so the new name survives a power cut too. On any failure
// the temporary file is removed, the old file stays as it was, and false is returned.
bool atomicwrite(const fs::path& target, const std::string& bytes, const StreamWrap& wrap = {});

// Reads a whole file; false when it cannot be opened or read (a folder named as the file
// included).
bool readwhole(const fs::path& file, std::string& bytes);

// Copies a file whole, written atomically; false when it is no file or either side fails.
bool copyfile(const fs::path& from, const fs::path& to);

// Forces a file's bytes, or a folder's entries, to disk. False when the system says it
// could not.
bool syncfile(const fs::path& file);
bool syncfolder(const fs::path& folder);

// Watches every sync, so a test can see that a save reached the disk before its rename.
// The watcher gets the path synced and whether it was a folder.
using SyncWatch = std::function<void(const fs::path& path, bool folder)>;
void watchsyncs(SyncWatch watch);

// Before a save over a file that was found damaged in this run, the damaged file is
// kept beside itself (name.damaged-YYYYMMDD, numbered if that exists) and the user is
// told where, once. Returns the notice, or nothing when no copy was needed. When the
// copy cannot be made the save must not go on: ok is false.
Outcome keepdamaged(std::vector<std::string>& damaged, const fs::path& target);

// Notes a file that exists but could not be read whole.
void markdamaged(std::vector<std::string>& damaged, const fs::path& file);

// Writes bytes over target the safe way: keeps a damaged original first, then writes
// atomically. The failure message is the caller's own.
Outcome safesave(std::vector<std::string>& damaged, const fs::path& target,
                 const std::string& bytes, const Message& failure, const StreamWrap& wrap = {});

} // namespace greenfold
