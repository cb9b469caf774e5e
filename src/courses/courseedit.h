#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The rules of the course window and of the main window's course panel, kept apart
// from the widgets so they can be tried without a screen.

inline constexpr const char* defaultrating = "65.0";
inline constexpr const char* defaultslope = "113";

// What the course window shows: the boxes, the par labels and the six panels as texts.
// Pars are holes 1..18 and tees 1..3; slot 0 is unused.
struct CourseForm {
    std::string name;
    std::string initials;
    std::array<std::string, 19> pars{};
    std::string outpar = "0";
    std::string inpar = "0";
    std::string totalpar = "0";
    std::array<std::string, 4> ratings{"", defaultrating, defaultrating, defaultrating};
    std::array<std::string, 4> slopes{"", defaultslope, defaultslope, defaultslope};
    std::array<std::string, 19> strokeindexes{}; // holes 1..18; all empty: none
};

// How a typed key in one of the number boxes is taken: digits and Backspace go in, Enter
// moves to the next box of the row (boxes 1..lastbox-1) and is never inserted, any
// other character is dropped. Tab and keys that type nothing are left to the window.
enum class KeyRule { pass, discard, nextbox };
KeyRule boxkey(char32_t ch, int box, int lastbox);

// A par box after a change: never empty (one space), and always with a leading space.
std::string parbox(std::string_view text);
// The sum of pars first..first+8 as the labels show it, a plain number.
std::string parsum(const std::array<std::string, 19>& pars, int first);
std::string parsum(std::string_view out, std::string_view in);

// A rating panel one step up or down: 0.1 a step, shown "00.0"; the down arrow does
// nothing once the rating is 20 or less.
std::string steprating(std::string_view panel, bool up);
// A slope panel one step: 1 a step, no limits, a plain number.
std::string stepslope(std::string_view panel, bool up);
// A panel's number as a course line keeps it: general form, one space before a number
// that is not negative (" 70.5", " 65", " 113").
std::string panelfield(std::string_view panel);

// The note beside a tee's rating panel: "nine-hole" when the rating is below three
// quarters of the course's par, a nine's own rating (the World Handicap System rates a nine
// with it and 18 holes with twice it); otherwise nothing.
std::string ratingnote(const CourseForm& f, int tee);

// The course window works on one course: its number (coursenum), or newcourse to add
// one.
inline constexpr int newcourse = 0;

// Prepares the window. Rounds in every league file keep their course by number, so a new
// course always takes a number never used before (a deleted course keeps its empty
// slot); when all 200 have been used the addition is refused.
Outcome opencourse(const ProgramState& g, int c);
// The window's contents for course c, or the empty form for a new one.
CourseForm courseform(const ProgramState& g, int c);

// Stores the form into the table (a new course at the end, or course c) and writes the
// course file. The stroke index row becomes course line 30: the set, or nothing once the
// row is emptied; a line 30 that never held a set is left as it was. A refused form changes
// nothing; when the file cannot be written the table is put back as it was, so trying again cannot
// add the course twice.
Outcome savecourse(ProgramState& g, int c, const CourseForm& form, const fs::path& dir = {},
                   const StreamWrap& wrap = {});

Message courserefusal();
// A stroke index row that is neither empty nor a whole set.
Message strokeindexrefusal();
Message coursetablefull();

// Names offered in course lists: every course that has one, in table order.
std::vector<std::string> coursenames(const ProgramState& g);
// The last course whose name equals the text ignoring case; 0 when none does.
int findcourse(const ProgramState& g, std::string_view name);

Message deletecoursequestion();
// Empties every line of course c and writes the course file. Rounds played there keep
// its number.
Outcome deletecourse(ProgramState& g, int c, const fs::path& dir = {});

} // namespace greenfold
