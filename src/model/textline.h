#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The text line format shared by every data file: one item a line, CR LF endings, and
// three kinds of line. Integer lines carry a sign position and one trailing space
// (" 5 ", "-3 "); Single lines are framed the same way around the general form of the
// value without a leading zero (" .96 "); Text lines hold the text as it is.
//
// Every number the program shows or prints is formatted here as well, so the
// rounding rules live in one place.

// Integer and Single lines, without their line end.
std::string intline(long value);
std::string singleline(float value);

// The shortest decimal text of at most seven significant digits that stands for the
// value: no trailing zeros, no point for whole numbers, exponent form from 1E+07 up and
// below 1E-04. The file form drops the zero before the point (".96", "-.5"); the display
// form keeps it ("0.96").
std::string singletext(float value);
std::string generalformat(float value);
std::string generalformat(double value);

// A number through one of the program's patterns: "#0.0", "0.0", "##0.0", "###0.0",
// "00.0", "#.00", "#0", "#0.000", "00". A '0' before the point is a digit always shown,
// a '#' one shown only when needed; the digits after the point are fixed. Halves round
// away from zero on the value's decimal form of fifteen significant digits.
std::string formatpattern(double value, std::string_view pattern);

// Reading numbers from a whole line: surrounding blanks are allowed, anything else
// that is not part of the number makes the line unreadable.
std::optional<int16_t> readinteger(std::string_view line);
std::optional<float> readsingle(std::string_view line);

// The leading number of a text, as course fields and typed boxes are read: blanks are
// skipped, then a sign, digits, a point and an exponent as far as they go. Text that
// does not begin with a number is 0.
double leadingnumber(std::string_view text);

// Rounds to the nearest whole number, halves to even, as typed scores are stored.
long roundhalfeven(double value);

// Lines of a file. A line ends at LF, a CR before it is dropped; a line that is not
// valid UTF-8 is taken as Windows-1252 text from an older machine.
class LineReader {
  public:
    explicit LineReader(std::istream& in);
    explicit LineReader(std::string content);

    // The next line, or nothing at the end of the file.
    std::optional<std::string_view> next();
    std::optional<int16_t> nextinteger();
    std::optional<float> nextsingle();
    bool atend() const { return pos_ >= data_.size(); }

  private:
    std::string data_;
    std::size_t pos_ = 0;
    std::string converted_;
};

// Builds a file's bytes line by line. Texts lose their control characters, so no
// value can ever break a line.
class LineWriter {
  public:
    LineWriter& integer(long value);
    LineWriter& single(float value);
    LineWriter& text(std::string_view value);
    const std::string& str() const { return out_; }
    void reserve(std::size_t n) { out_.reserve(n); }

  private:
    std::string out_;
};

// Text with its control characters (CR, LF, tabs and the like) removed.
std::string stripcontrols(std::string_view text);

bool validutf8(std::string_view text);
std::string fromwindows1252(std::string_view text);

// Number of characters (not bytes) of a UTF-8 text, for column padding.
std::size_t textwidth(std::string_view text);
// A column of text: filled to width characters on the right (alignleft) or on the left
// (alignright); a longer text is kept whole.
std::string alignleft(const std::string& s, std::size_t width);
std::string alignright(const std::string& s, std::size_t width);

// Dates. Rounds keep two-digit years: 85..99 are 1985..1999, 0..84 are 2000..2084.
int fullyear(int twodigit);
// "mm-dd-yyyy", the form printed reports carry.
std::string reportdate(int year, int month, int day);

} // namespace greenfold
