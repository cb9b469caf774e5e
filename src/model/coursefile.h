#pragma once

#include "model/golf1.h"
#include "model/outcome.h"
#include "model/safefile.h"

#include <istream>
#include <string>

namespace greenfold {

// The course file shared by all leagues: the course count, then 30 text lines a course.
inline constexpr const char* coursefilename = "course.dat";
inline constexpr const char* coursefilesavename = "Course.DAT";

bool readcourses(std::istream& in, GOLF1& g);
std::string coursebytes(const GOLF1& g);

// Reads the course table. When the file is missing or could not be read whole, the
// table stays as it was and the message depends on whether the course window is
// editing (coursemode edit).
Outcome loadcourses(GOLF1& g, const fs::path& dir = {});
Outcome savecourses(GOLF1& g, const fs::path& dir = {}, const StreamWrap& wrap = {});

Message courseloadfailure(bool editing);
Message coursesavefailure();

} // namespace greenfold
