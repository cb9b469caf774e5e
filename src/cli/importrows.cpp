#include "cli/importrows.h"

#include "courses/courseedit.h"
#include "model/textline.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace greenfold {

namespace {

// Hole scores run to two digits, as the score window's boxes show them; a longer one is a
// slip of the keyboard, not a hole.
constexpr std::size_t holedigits = 2;
constexpr std::size_t totaldigits = 3;

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool samecase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// A score cell: digits only. An empty cell is a hole not played, as an empty box is.
bool alldigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string scoreproblem(std::string_view cell, const std::string& what, std::size_t most) {
    if (cell.empty()) return "";
    if (cell.front() == '-' && alldigits(cell.substr(1)))
        return what + " " + quoted(cell) + " is negative";
    if (!alldigits(cell)) return what + " " + quoted(cell) + " is not a number of strokes";
    const std::size_t zeros = std::min(cell.find_first_not_of('0'), cell.size());
    if (cell.size() - zeros > most) return what + " " + quoted(cell) + " is too large";
    return "";
}

bool hasdigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

bool headerrecord(const CsvRecord& record) {
    return record.row == 1 && record.problem.empty() && !hasdigit(record.cells[0]);
}

std::string columnsproblem(std::size_t count) {
    return std::to_string(count) + " columns; a row has " + std::to_string(importholecells) +
           " (date, player, course, tee, 18 holes) or " + std::to_string(importtotalcells) +
           " (date, player, course, tee, out, in)";
}

// The scores into the boxes: 18 holes with their nines summed, or the two totals.
std::string readscores(const std::vector<std::string>& cells, DisplayedRound& round) {
    if (cells.size() == importholecells) {
        for (int h = 1; h <= 18; ++h) {
            const std::string_view cell = trimmed(cells[importleadcells + h - 1]);
            if (auto p = scoreproblem(cell, "hole " + std::to_string(h), holedigits); !p.empty())
                return p;
            round.holes[h] = std::string(cell);
        }
        round.out = outtotal(round.holes);
        round.in = intotal(round.holes);
        return "";
    }
    const std::string_view out = trimmed(cells[importleadcells]);
    const std::string_view in = trimmed(cells[importleadcells + 1]);
    for (auto [cell, what] : {std::pair{out, "out total"}, std::pair{in, "in total"}})
        if (auto p = scoreproblem(cell, what, totaldigits); !p.empty()) return p;
    round.out = std::string(out);
    round.in = std::string(in);
    return "";
}

bool bothtotalszero(const DisplayedRound& round) {
    return leadingnumber(round.out) == 0 && leadingnumber(round.in) == 0;
}

// Tee 1..3, or its name in any case; an empty cell is the player's default tee, the one
// the score window starts with. 0 when the cell names no tee.
int readtee(const ProgramState& g, int player, std::string_view cell) {
    static constexpr std::array<std::string_view, 4> names{"", "Ladies", "Mens", "Pro"};
    if (cell.empty()) {
        const int tee = player >= 1 && player <= maxplayers ? g.playertee[player] : 0;
        return tee >= tee_ladies && tee <= tee_pro ? tee : 0;
    }
    for (int t = tee_ladies; t <= tee_pro; ++t)
        if (cell == std::to_string(t) || samecase(cell, names[std::size_t(t)])) return t;
    return 0;
}

std::string readlead(const ProgramState& g, const std::vector<std::string>& cells,
                     ImportRound& round) {
    const DateRead date = readrounddate(trimmed(cells[0]));
    if (!date.ok()) return date.problem;
    round.date = date.date;
    const std::string_view name = trimmed(cells[1]);
    round.player = findplayer(g, name);
    if (round.player == 0) return "no player named " + quoted(name) + " in the league";
    const std::string_view course = trimmed(cells[2]);
    round.course = findcourse(g, course);
    if (round.course == 0) return "no course named " + quoted(course);
    const std::string_view tee = trimmed(cells[3]);
    round.round.tee = readtee(g, round.player, tee);
    if (round.round.tee == 0)
        return tee.empty() ? "no tee given and the player has no default tee"
                           : quoted(tee) + " is not a tee (1, 2, 3, Ladies, Mens or Pro)";
    return "";
}

RowProblem readimportrow(const ProgramState& g, const CsvRecord& record, ImportRound& round) {
    round.row = record.row;
    if (!record.problem.empty()) return {record.row, record.problem};
    const std::size_t count = record.cells.size();
    if (count != importholecells && count != importtotalcells)
        return {record.row, columnsproblem(count)};
    if (auto p = readlead(g, record.cells, round); !p.empty()) return {record.row, p};
    if (auto p = readscores(record.cells, round.round); !p.empty()) return {record.row, p};
    if (bothtotalszero(round.round)) return {record.row, "the out and in totals are both 0"};
    return {record.row, ""};
}

} // namespace

int findplayer(const ProgramState& g, std::string_view name) {
    if (name.empty()) return 0;
    for (int p = 1; p <= g.playercount && p <= maxplayers; ++p)
        if (g.playername[p] == name) return p;
    return 0;
}

ImportPlan readimport(const ProgramState& g, const std::vector<CsvRecord>& records) {
    ImportPlan plan;
    for (const CsvRecord& record : records) {
        if (blankrecord(record) && record.problem.empty()) continue;
        if (headerrecord(record)) continue;
        ImportRound round;
        RowProblem problem = readimportrow(g, record, round);
        if (problem.reason.empty())
            plan.rounds.push_back(std::move(round));
        else
            plan.problems.push_back(std::move(problem));
    }
    return plan;
}

} // namespace greenfold
