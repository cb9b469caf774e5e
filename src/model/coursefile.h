#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <istream>
#include <string>

namespace greenfold {

// The course file shared by all leagues: the course count, then 30 text lines a course.
inline constexpr const char* coursefilename = "course.dat";
inline constexpr const char* coursefilesavename = "Course.DAT";

bool readcourses(std::istream& in, CourseTable& g);
std::string coursebytes(const ProgramState& g);

// Why the course table is read: its failure message differs when a course is about to
// be edited or deleted.
enum class CourseLoad { other, editing };

// Reads the course table; only the course table of g changes. When the file is missing
// or could not be read whole, the table stays as it was and the message says so.
Outcome loadcourses(ProgramState& g, const fs::path& dir = {}, CourseLoad why = CourseLoad::other);
Outcome savecourses(ProgramState& g, const fs::path& dir = {}, const StreamWrap& wrap = {});

Message courseloadfailure(CourseLoad why);
Message coursesavefailure();

} // namespace greenfold
