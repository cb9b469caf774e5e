#include "cli/replaylines.h"

#include "whs/decimal.h"

namespace greenfold {

namespace {

std::string difference(whs::Tenths d) {
    return (d.v > 0 ? "+" : "") + whs::tenthstext(d);
}

std::string counted(int n, const std::string& what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

} // namespace

std::string methodname(HandicapMethod method) {
    return method == HandicapMethod::whs ? "whs" : "classic";
}

std::string replayline(const ReplayLine& line, HandicapMethod method) {
    std::string text = line.name + ": index " + whs::indextext(line.now) + ", under " +
                       methodname(method) + " " + whs::indextext(line.after) + ", difference " +
                       difference(line.after - line.now) + "; " +
                       counted(line.count.rounds, "round") + ", " +
                       std::to_string(line.count.defaulttee) + " from the default tee";
    if (line.count.unrated > 0) text += ", " + std::to_string(line.count.unrated) + " not rated";
    return text;
}

std::string replaytext(const std::vector<ReplayLine>& lines, HandicapMethod method) {
    std::string text;
    for (const ReplayLine& line : lines) text += replayline(line, method) + "\n";
    return text;
}

} // namespace greenfold
