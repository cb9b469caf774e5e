#include "model/coursefile.h"

#include "model/textline.h"

#include <fstream>
#include <memory>

namespace greenfold {

bool readcourses(std::istream& in, CourseTable& g) {
    LineReader lines(in);
    auto count = lines.nextinteger();
    if (!count || *count < 0 || *count > maxcourses) return false;
    g.coursecount = *count;
    for (int c = 1; c <= g.coursecount; ++c) {
        for (int n = 1; n <= courselines; ++n) {
            auto line = lines.next();
            if (!line) return false;
            g.coursedata[c][n] = std::string(*line);
        }
    }
    return true;
}

std::string coursebytes(const ProgramState& g) {
    LineWriter out;
    out.integer(g.coursecount);
    for (int c = 1; c <= g.coursecount; ++c)
        for (int n = 1; n <= courselines; ++n) out.text(g.coursedata[c][n]);
    return out.str();
}

Message courseloadfailure(CourseLoad why) {
    if (why == CourseLoad::editing) {
        return {"No courses have been saved.\r\nOther possible causes - Working Directory not\r\n"
                "specified properly in program manager or\r\nlauncher.  Check Doc file for "
                "placement of\r\nFiles",
                "Loading...", Icon::exclamation};
    }
    return {"No courses have been saved or\r\nproblem reading file.\r\nIgnore this if you are "
            "entering your\r\nfirst course.",
            "Loading...", Icon::exclamation};
}

Message coursesavefailure() {
    return {"Unable to save settings to disk", "Course Setup", Icon::exclamation};
}

Outcome loadcourses(ProgramState& g, const fs::path& dir, CourseLoad why) {
    const fs::path file = findfile(dir, coursefilename);
    std::ifstream in(file, std::ios::binary);
    if (!in) return Outcome::failure(courseloadfailure(why));
    auto fresh = std::make_unique<CourseTable>();
    if (!readcourses(in, *fresh)) {
        markdamaged(g.damagedfiles, file);
        return Outcome::failure(courseloadfailure(why));
    }
    static_cast<CourseTable&>(g) = std::move(*fresh);
    return {};
}

Outcome savecourses(ProgramState& g, const fs::path& dir, const StreamWrap& wrap) {
    return safesave(g.damagedfiles, findfile(dir, coursefilesavename), coursebytes(g),
                    coursesavefailure(), wrap);
}

} // namespace greenfold
