#include "whs/inifile.h"

#include "model/settingsfile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>

namespace greenfold::whs {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::optional<int> allowancefrom(std::string_view value) {
    int n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n < 1 || n > 100)
        return std::nullopt;
    return n;
}

// "line 2: method=best is not a handicap method; method takes classic or whs".
std::string refusal(int line, std::string_view key, std::string_view value, const char* what) {
    return "line " + std::to_string(line) + ": " + std::string(key) + "=" + std::string(value) +
           " " + what;
}

// Takes one line; false when its key is not one of ours. A value it refuses sets the
// problem (the first one only).
bool readsetting(IniSettings& s, std::string_view line, int number) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    const std::string key = lower(trim(line.substr(0, eq)));
    const std::string_view value = trim(line.substr(eq + 1));
    std::string problem;
    if (key == "method") {
        const std::string m = lower(value);
        if (m == "whs" || m == "classic")
            s.method = m == "whs" ? Method::whs : Method::classic;
        else
            problem = refusal(number, "method", value,
                              "is not a handicap method; method takes classic or whs");
    } else if (key == "allowance") {
        if (const auto a = allowancefrom(value))
            s.allowance = *a;
        else
            problem = refusal(number, "allowance", value,
                              "is not an allowance; allowance takes a whole percent from 1 to 100");
    } else {
        return false;
    }
    if (s.problem.empty()) s.problem = problem;
    return true;
}

// A file saved as UTF-16, or holding other binary bytes, is not the plain text this is.
bool plaintext(std::string_view text) {
    const bool utf16 = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
    return !utf16 && text.find('\0') == std::string_view::npos;
}

} // namespace

IniSettings readini(std::string_view text) {
    IniSettings s;
    if (!plaintext(text)) {
        s.problem = "is not plain text (saved as UTF-16?); it takes lines such as "
                    "method=classic or method=whs and allowance=100";
        return s;
    }
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3); // a UTF-8 mark
    for (int number = 1; !text.empty(); ++number) {
        const auto lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (trim(line).empty() || readsetting(s, line, number)) continue;
        s.otherlines.emplace_back(line);
    }
    return s;
}

std::string inibytes(const IniSettings& s) {
    std::string out = s.method == Method::whs ? "method=whs\r\n" : "method=classic\r\n";
    out += "allowance=" + std::to_string(s.allowance) + "\r\n";
    for (const std::string& line : s.otherlines) out += line + "\r\n";
    return out;
}

IniSettings loadini(const std::string& systemdir) {
    std::ifstream in(systemdir + inifilename, std::ios::binary);
    if (!in) return {};
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    IniSettings s = readini(text);
    if (!s.problem.empty()) {
        const std::string where = systemdir + inifilename;
        s.problem = where + (s.problem.starts_with("line") ? ", " : " ") + s.problem;
    }
    return s;
}

bool saveini(const IniSettings& s, const std::string& systemdir, const StreamWrap& wrap) {
    std::error_code ec;
    if (!systemdir.empty()) fs::create_directories(systemdir, ec);
    return atomicwrite(systemdir + inifilename, inibytes(s), wrap);
}

Outcome loadmethod(ProgramState& g, const std::string& systemdir) {
    const IniSettings s = loadini(systemdir);
    g.method = s.method;
    g.allowance = static_cast<int16_t>(s.allowance);
    g.methodproblem = s.problem;
    if (s.problem.empty()) return {};
    markdamaged(g.damagedfiles, systemdir + inifilename);
    Outcome out;
    out.add(methodrefusal(g));
    return out;
}

Outcome savemethod(ProgramState& g, const std::string& systemdir, const StreamWrap& wrap) {
    IniSettings s = loadini(systemdir);
    Outcome out;
    if (!s.problem.empty()) {
        // The user has chosen: the refused file is kept beside itself and replaced.
        out = keepdamaged(g.damagedfiles, systemdir + inifilename);
        if (!out) return out;
        s = {};
    }
    s.method = g.method;
    s.allowance = g.allowance;
    if (saveini(s, systemdir, wrap)) {
        g.methodproblem.clear();
        return out;
    }
    return out.merge(
        Outcome::failure({std::string("The handicap method could not be saved in ") + inifilename +
                              ".\r\nIt holds until Greenfold closes; check that the settings "
                              "folder can be written.",
                          "Greenfold", Icon::exclamation}));
}

} // namespace greenfold::whs
