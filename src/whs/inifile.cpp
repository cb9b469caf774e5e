#include "whs/inifile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>
#include <iterator>

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

int allowancefrom(std::string_view value) {
    int n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n < 1 || n > 100) return 100;
    return n;
}

// Takes one line; false when its key is not one of ours.
bool readsetting(IniSettings& s, std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    const std::string key = lower(trim(line.substr(0, eq)));
    const std::string_view value = trim(line.substr(eq + 1));
    if (key == "method") {
        s.method = lower(value) == "whs" ? Method::whs : Method::classic;
        return true;
    }
    if (key == "allowance") {
        s.allowance = allowancefrom(value);
        return true;
    }
    return false;
}

} // namespace

IniSettings readini(std::string_view text) {
    IniSettings s;
    while (!text.empty()) {
        const auto lf = text.find('\n');
        std::string_view line = text.substr(0, lf);
        text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (trim(line).empty() || readsetting(s, line)) continue;
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
    return readini(text);
}

bool saveini(const IniSettings& s, const std::string& systemdir, const StreamWrap& wrap) {
    std::error_code ec;
    if (!systemdir.empty()) fs::create_directories(systemdir, ec);
    return atomicwrite(systemdir + inifilename, inibytes(s), wrap);
}

void loadmethod(GOLF1& g, const std::string& systemdir) {
    const IniSettings s = loadini(systemdir);
    g.method = s.method;
    g.allowance = static_cast<int16_t>(s.allowance);
}

Outcome savemethod(const GOLF1& g, const std::string& systemdir, const StreamWrap& wrap) {
    IniSettings s = loadini(systemdir);
    s.method = g.method;
    s.allowance = g.allowance;
    if (saveini(s, systemdir, wrap)) return {};
    return Outcome::failure({std::string("The handicap method could not be saved in ") +
                                 inifilename +
                                 ".\r\nIt holds until Greenfold closes; check that the settings "
                                 "folder can be written.",
                             "Greenfold", Icon::exclamation});
}

} // namespace greenfold::whs
