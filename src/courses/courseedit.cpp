#include "courses/courseedit.h"

#include "model/coursefile.h"
#include "model/textline.h"
#include "whs/differential.h"
#include "whs/strokeindex.h"

#include <utility>

namespace greenfold {

namespace {

bool blank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

char fold(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool sameignoringcase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

bool validcourse(const ProgramState& g, int c) {
    return c >= 1 && c <= g.coursecount && c <= maxcourses;
}

// A new course needs a name and pars on both nines; a nine-hole course repeats its
// front nine as holes 10..18.
bool complete(const CourseForm& form) {
    return !blank(form.name) && leadingnumber(form.outpar) != 0 && leadingnumber(form.inpar) != 0 &&
           leadingnumber(form.totalpar) != 0;
}

// The stroke index row as a course line: empty for an empty row, else "SI" and the boxes
// as typed, which parsestrokeindexes accepts only when they make a whole set.
std::string strokeindexrow(const CourseForm& form) {
    std::string line;
    for (int h = 1; h <= 18; ++h)
        if (!blank(form.strokeindexes[h])) line = "SI";
    if (line.empty()) return line;
    for (int h = 1; h <= 18; ++h)
        line += " " + (blank(form.strokeindexes[h]) ? "-" : form.strokeindexes[h]);
    return line;
}

void writestrokeindexes(std::string& line30, const CourseForm& form) {
    const std::string row = strokeindexrow(form);
    if (!row.empty())
        line30 = whs::strokeindexline(*whs::parsestrokeindexes(row));
    else if (whs::parsestrokeindexes(line30))
        line30.clear();
}

void writefields(std::array<std::string, courselines + 1>& lines, const CourseForm& form) {
    lines[courseline_name] = stripcontrols(form.name);
    lines[courseline_outpar] = form.outpar;
    lines[courseline_inpar] = form.inpar;
    lines[courseline_totalpar] = form.totalpar;
    for (int h = 1; h <= 18; ++h) lines[courseline_par0 + h] = form.pars[h];
    for (int t = 1; t <= 3; ++t) lines[courseline_rating0 + t] = panelfield(form.ratings[t]);
    for (int t = 1; t <= 3; ++t) lines[courseline_slope0 + t] = panelfield(form.slopes[t]);
    lines[courseline_initials] = stripcontrols(form.initials);
    writestrokeindexes(lines[courseline_strokeindex], form);
}

} // namespace

KeyRule boxkey(char32_t ch, int box, int lastbox) {
    if ((ch >= U'0' && ch <= U'9') || ch == U'\b' || ch == U'\t' || ch == 0x7f)
        return KeyRule::pass;
    if (ch == U'\r' || ch == U'\n')
        return box >= 1 && box < lastbox ? KeyRule::nextbox : KeyRule::discard;
    return KeyRule::discard;
}

std::string parbox(std::string_view text) {
    if (text.empty()) return " ";
    if (text.front() != ' ') return " " + std::string(text);
    return std::string(text);
}

std::string parsum(const std::array<std::string, 19>& pars, int first) {
    double sum = 0;
    for (int h = first; h < first + 9; ++h) sum += leadingnumber(pars[h]);
    return generalformat(sum);
}

std::string parsum(std::string_view out, std::string_view in) {
    return generalformat(leadingnumber(out) + leadingnumber(in));
}

std::string steprating(std::string_view panel, bool up) {
    const double rating = leadingnumber(panel);
    if (up) return formatpattern(rating + 0.1, "00.0");
    if (rating > 20) return formatpattern(rating - 0.1, "00.0");
    return std::string(panel);
}

std::string ratingnote(const CourseForm& f, int tee) {
    if (tee < 1 || tee > 3) return "";
    const double par = leadingnumber(f.totalpar);
    const whs::Tenths rating = whs::tenthsnear(leadingnumber(f.ratings[std::size_t(tee)]));
    const bool nine =
        par > 0 && par <= 999 && rating.v > 0 && whs::nineholerating(rating, int(par));
    return nine ? "nine-hole" : "";
}

std::string stepslope(std::string_view panel, bool up) {
    return generalformat(leadingnumber(panel) + (up ? 1.0 : -1.0));
}

std::string panelfield(std::string_view panel) {
    const double value = leadingnumber(panel);
    return (value >= 0 ? " " : "") + generalformat(value);
}

Outcome opencourse(const ProgramState& g, int c) {
    if (c == newcourse && g.coursecount >= maxcourses) return Outcome::failure(coursetablefull());
    return {};
}

CourseForm courseform(const ProgramState& g, int c) {
    CourseForm form;
    form.pars.fill(" ");
    if (c == newcourse || !validcourse(g, c)) return form;
    const auto& lines = g.coursedata[c];
    form.name = lines[courseline_name];
    form.initials = lines[courseline_initials];
    for (int h = 1; h <= 18; ++h) form.pars[h] = parbox(lines[courseline_par0 + h]);
    // Filling the par boxes recounts the labels, so they always agree with the holes.
    form.outpar = parsum(form.pars, 1);
    form.inpar = parsum(form.pars, 10);
    form.totalpar = parsum(form.outpar, form.inpar);
    for (int t = 1; t <= 3; ++t) {
        form.ratings[t] = lines[courseline_rating0 + t];
        form.slopes[t] = lines[courseline_slope0 + t];
    }
    if (const auto si = whs::parsestrokeindexes(lines[courseline_strokeindex]))
        for (int h = 1; h <= 18; ++h) form.strokeindexes[h] = std::to_string((*si)[h - 1]);
    return form;
}

Outcome savecourse(ProgramState& g, int c, const CourseForm& form, const fs::path& dir,
                   const StreamWrap& wrap) {
    if (!complete(form)) return Outcome::failure(courserefusal());
    const std::string row = strokeindexrow(form);
    if (!row.empty() && !whs::parsestrokeindexes(row))
        return Outcome::failure(strokeindexrefusal());
    const bool adding = c == newcourse;
    if (adding && g.coursecount >= maxcourses) return Outcome::failure(coursetablefull());
    if (!adding && !validcourse(g, c)) return Outcome::failure(courserefusal());

    const int16_t oldcount = g.coursecount;
    const int target = adding ? g.coursecount + 1 : c;
    auto old = g.coursedata[target];
    if (adding) ++g.coursecount;
    writefields(g.coursedata[target], form);
    Outcome out = savecourses(g, dir, wrap);
    if (!out) {
        g.coursedata[target] = std::move(old);
        g.coursecount = oldcount;
        return out;
    }
    return out;
}

Message courserefusal() {
    return {"Insufficient information to save\r\n"
            "Course data.  Please provide a name\r\n"
            "and the par values for each hole.\r\n"
            "For nine hole courses, duplicate the values\r\n"
            "of the first nine holes for holes 10 - 18",
            "Problem saving course", Icon::exclamation};
}

Message strokeindexrefusal() {
    return {"The stroke indexes are not a whole set.\r\n"
            "Number the holes 1 to 18, each once, or for a\r\n"
            "nine-hole course 1 to 9 on each nine.\r\n"
            "Leave every box empty for a course without them.",
            "Problem saving course", Icon::exclamation};
}

Message coursetablefull() {
    return {"The course list is full: all 200 course numbers have been used.\r\n"
            "A deleted course keeps its number, because rounds in the\r\n"
            "league files still refer to it, so no course can be added.\r\n"
            "Edit a course that is no longer played instead.",
            "Greenfold", Icon::exclamation};
}

std::vector<std::string> coursenames(const ProgramState& g) {
    std::vector<std::string> names;
    for (int c = 1; validcourse(g, c); ++c)
        if (!g.coursedata[c][courseline_name].empty())
            names.push_back(g.coursedata[c][courseline_name]);
    return names;
}

int findcourse(const ProgramState& g, std::string_view name) {
    if (name.empty()) return 0;
    int found = 0;
    for (int c = 1; validcourse(g, c); ++c)
        if (sameignoringcase(g.coursedata[c][courseline_name], name)) found = c;
    return found;
}

Message deletecoursequestion() {
    return {"Are you sure you want to delete \r\n"
            "the selected Golf Course?\r\n"
            "\r\n"
            "Analysis functions could be corrupted\r\n"
            "Please see info on deleting courses\r\n"
            "\r\n"
            "\r\n"
            "     CONTINUE?          Select 'NO' to Exit",
            "Confirm Delete", Icon::stop};
}

Outcome deletecourse(ProgramState& g, int c, const fs::path& dir) {
    if (!validcourse(g, c)) return {};
    const auto old = g.coursedata[c];
    for (auto& line : g.coursedata[c]) line.clear();
    Outcome out = savecourses(g, dir);
    if (!out) g.coursedata[c] = old;
    return out;
}

} // namespace greenfold
