#include "model/textline.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iterator>

namespace greenfold {

namespace {

std::string_view trimblanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Shortest general form with at most seven significant digits. Rounding the float to
// seven digits and dropping trailing zeros gives the same text as trying one to seven
// digits for the shortest that reads back as the same float.
template <typename T> std::string general7(T value) {
    if (!std::isfinite(value) || value == 0) return "0";
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 7);
    std::string s(buf, res.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

std::string dropleadingzero(std::string s) {
    if (s.rfind("0.", 0) == 0) return s.substr(1);
    if (s.rfind("-0.", 0) == 0) return "-" + s.substr(2);
    return s;
}

std::string framed(std::string number) {
    if (number.front() != '-') number.insert(number.begin(), ' ');
    number.push_back(' ');
    return number;
}

void appendframedint(std::string& out, long value) {
    if (value >= 0 && value < 100) { // hole scores, dates and counts: most lines of a league
        char small[6] = {' '};
        std::size_t n = 1;
        if (value >= 10) small[n++] = char('0' + value / 10);
        small[n++] = char('0' + value % 10);
        for (char c : {' ', '\r', '\n'}) small[n++] = c;
        out.append(small, n);
        return;
    }
    char buf[24];
    if (value >= 0) out.push_back(' ');
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, res.ptr);
    out.append(" \r\n");
}

// Adds one unit in the last place of a string of decimal digits.
void incrementdigits(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

} // namespace

std::string intline(long value) {
    return framed(std::to_string(value));
}

std::string singletext(float value) {
    return dropleadingzero(general7(value));
}

std::string singleline(float value) {
    return framed(singletext(value));
}

std::string generalformat(float value) {
    return general7(value);
}

std::string generalformat(double value) {
    return general7(value);
}

std::string formatpattern(double value, std::string_view pattern) {
    auto point = pattern.find('.');
    std::string_view intpart = pattern.substr(0, point);
    int decimals = point == std::string_view::npos ? 0 : int(pattern.size() - point - 1);
    int mindigits = 0;
    for (char c : intpart)
        if (c == '0') ++mindigits;

    // Numbers are rounded on their decimal form of fifteen significant digits, halves
    // away from zero: 19.45 is "19.5" although the nearest double lies just below it.
    if (!std::isfinite(value)) value = 0;
    const bool negative = value < 0;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string mantissa = std::string(1, buf[0]) + std::string(buf + 2, 14);
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    std::string whole, frac;
    if (exponent >= 0) {
        if (int(mantissa.size()) < exponent + 1)
            mantissa.append(exponent + 1 - mantissa.size(), '0');
        whole = mantissa.substr(0, exponent + 1);
        frac = mantissa.substr(exponent + 1);
    } else {
        whole = "0";
        frac = std::string(-exponent - 1, '0') + mantissa;
    }
    if (int(frac.size()) < decimals + 1) frac.append(decimals + 1 - frac.size(), '0');
    std::string digits = whole + frac.substr(0, decimals);
    if (frac[decimals] >= '5') incrementdigits(digits);

    whole = digits.substr(0, digits.size() - decimals);
    frac = digits.substr(digits.size() - decimals);
    whole.erase(0, whole.find_first_not_of('0'));
    if (int(whole.size()) < mindigits) whole.insert(0, mindigits - whole.size(), '0');

    const bool allzero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = (negative && !allzero) ? "-" : "";
    out += whole;
    if (decimals > 0) out += "." + frac;
    return out;
}

std::optional<int16_t> readinteger(std::string_view line) {
    line = trimblanks(line);
    if (!line.empty() && line.front() == '+') line.remove_prefix(1);
    if (line.empty()) return std::nullopt;
    long value = 0;
    auto res = std::from_chars(line.data(), line.data() + line.size(), value);
    if (res.ec != std::errc() || res.ptr != line.data() + line.size()) {
        // A number written with a point or an exponent is rounded as the reader of
        // whole numbers always did: halves to even.
        double d = 0;
        auto fres = std::from_chars(line.data(), line.data() + line.size(), d);
        if (fres.ec != std::errc() || fres.ptr != line.data() + line.size() || !std::isfinite(d))
            return std::nullopt;
        if (d < -32768.5 || d > 32767.5) return std::nullopt;
        value = roundhalfeven(d);
    }
    if (value < INT16_MIN || value > INT16_MAX) return std::nullopt;
    return static_cast<int16_t>(value);
}

std::optional<float> readsingle(std::string_view line) {
    line = trimblanks(line);
    if (!line.empty() && line.front() == '+') line.remove_prefix(1);
    if (line.empty()) return std::nullopt;
    float value = 0;
    auto res = std::from_chars(line.data(), line.data() + line.size(), value);
    if (res.ec != std::errc() || res.ptr != line.data() + line.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double leadingnumber(std::string_view text) {
    // Blanks are ignored wherever they stand, as the typed-number reader always did.
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s.push_back(c);
    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    bool anydigit = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        number += s[i++];
        anydigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            number += s[i++];
            anydigit = true;
        }
    }
    if (!anydigit) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        bool expdigit = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            exponent += s[j++];
            expdigit = true;
        }
        if (expdigit) number += exponent;
    }
    double value = std::strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

long roundhalfeven(double value) {
    return std::lrint(value);
}

LineReader::LineReader(std::istream& in) {
    // A stream that cannot be read (a folder where a file was expected, a failing
    // disk) reads as an empty file, which every reader refuses, rather than throwing.
    try {
        data_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        data_.clear();
    }
}

LineReader::LineReader(std::string content) : data_(std::move(content)) {}

std::optional<std::string_view> LineReader::next() {
    if (pos_ >= data_.size()) return std::nullopt;
    auto nl = data_.find('\n', pos_);
    if (nl == std::string::npos) nl = data_.size();
    std::string_view line(data_.data() + pos_, nl - pos_);
    pos_ = nl + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!validutf8(line)) {
        converted_ = fromwindows1252(line);
        return std::string_view(converted_);
    }
    return line;
}

std::optional<int16_t> LineReader::nextinteger() {
    auto line = next();
    if (!line) return std::nullopt;
    return readinteger(*line);
}

std::optional<float> LineReader::nextsingle() {
    auto line = next();
    if (!line) return std::nullopt;
    return readsingle(*line);
}

LineWriter& LineWriter::integer(long value) {
    appendframedint(out_, value);
    return *this;
}

LineWriter& LineWriter::single(float value) {
    // Most stored numbers are whole or in tenths (differentials, indexes, course
    // handicaps); those take a short road to the same text the general form gives.
    const long tenths = std::lrint(double(value) * 10.0);
    if (std::fabs(value) < 100000.0f && float(double(tenths) / 10.0) == value && value != 0.0f) {
        const long whole = tenths / 10, digit = std::labs(tenths % 10);
        out_.push_back(tenths < 0 ? '-' : ' ');
        char buf[24];
        if (whole != 0) {
            auto res = std::to_chars(buf, buf + sizeof buf, std::labs(whole));
            out_.append(buf, res.ptr);
        }
        if (digit != 0) {
            out_.push_back('.');
            out_.push_back(char('0' + digit));
        }
        out_.append(" \r\n");
        return *this;
    }
    out_.append(singleline(value));
    out_.append("\r\n");
    return *this;
}

LineWriter& LineWriter::text(std::string_view value) {
    for (char c : value) {
        auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F) out_.push_back(c);
    }
    out_.append("\r\n");
    return *this;
}

std::string stripcontrols(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F) out.push_back(c);
    }
    return out;
}

bool validutf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        unsigned long cp;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        static constexpr unsigned long minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

std::string fromwindows1252(std::string_view text) {
    // Code points of 0x80..0x9F; the five unassigned bytes keep their C1 values.
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(text.size() + text.size() / 2);
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        unsigned cp = c < 0x80 ? c : (c < 0xA0 ? high[c - 0x80] : c);
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

std::size_t textwidth(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string alignleft(const std::string& s, std::size_t width) {
    const std::size_t w = textwidth(s);
    return w >= width ? s : s + std::string(width - w, ' ');
}

std::string alignright(const std::string& s, std::size_t width) {
    const std::size_t w = textwidth(s);
    return w >= width ? s : std::string(width - w, ' ') + s;
}

int fullyear(int twodigit) {
    return twodigit >= 85 ? 1900 + twodigit : 2000 + twodigit;
}

std::string reportdate(int year, int month, int day) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", month, day, year);
    return buf;
}

} // namespace greenfold
