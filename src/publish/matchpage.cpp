#include "publish/matchpage.h"

#include "matchplay/matchstore.h"
#include "matchplay/matchtext.h"
#include "publish/webpage.h"

namespace greenfold {

using namespace matchplay;

namespace {

std::string tag(const char* name, const std::string& text, const char* cls = nullptr) {
    std::string open = std::string("<") + name;
    if (cls) open += std::string(" class=\"") + cls + "\"";
    if (std::string_view(name) == "th") open += " scope=\"col\"";
    return open + ">" + htmltext(text) + "</" + name + ">";
}

// A column's heading and class: "name" for text, left-aligned; "wide" for one a phone
// leaves out; none for a number.
struct Column {
    std::string heading;
    const char* cls = nullptr;
};

std::string table(const std::vector<Column>& columns,
                  const std::vector<std::vector<std::string>>& rows) {
    std::string out = "<table>\n<thead><tr>";
    for (const Column& c : columns) out += tag("th", c.heading, c.cls);
    out += "</tr></thead>\n<tbody>\n";
    for (const auto& row : rows) {
        out += "<tr>";
        for (std::size_t k = 0; k < columns.size() && k < row.size(); ++k)
            out += tag("td", row[k], columns[k].cls);
        out += "</tr>\n";
    }
    return out + "</tbody>\n</table>\n";
}

std::string tablesection(const std::vector<TableRow>& rows) {
    std::vector<std::vector<std::string>> cells;
    for (const TableRow& r : rows)
        cells.push_back({r.place > 0 ? std::to_string(r.place) : "", r.side,
                         std::to_string(r.played), std::to_string(r.won), std::to_string(r.lost),
                         std::to_string(r.halved), std::to_string(r.byes), pointstext(r.points)});
    return "<section>\n" + tag("h2", "Match standings") + "\n" +
           table({{"Place"},
                  {"Side", "name"},
                  {"Played"},
                  {"Won"},
                  {"Lost"},
                  {"Halved", "wide"},
                  {"Byes", "wide"},
                  {"Points"}},
                 cells) +
           "</section>\n";
}

// Who filled a slot, from the CSV's player, kind and card: "Sam Ito, substitute",
// "phantom for Dan Evans, Ed Castillo's card", "Dan Evans forfeits".
std::string filledby(const std::string& player, const std::string& kind, const std::string& card) {
    if (player.empty() || kind == "played") return player;
    if (kind == "substitute") return player + ", substitute";
    if (kind == "forfeit") return player + " forfeits";
    return "phantom for " + player + (card.empty() ? "" : ", " + card + "'s card");
}

// A match as one title line and a row a part: who played it for each side, the points
// beside him, and what it waits for when it is not played.
std::string matchblock(const MatchResult& m, const Cells& rows) {
    std::string title = m.pair.side1 + (m.pair.bye() ? " has the bye" : " v " + m.pair.side2);
    if (m.counts()) title += ": " + pointstext(m.points1) + " \u2013 " + pointstext(m.points2);
    std::vector<std::vector<std::string>> cells;
    bool unplayed = false;
    for (const auto& r : rows) { // part, then each side's player, kind, card, points; status
        if (r.size() < 18) continue;
        cells.push_back(
            {r[4], filledby(r[5], r[6], r[7]), r[15], filledby(r[10], r[11], r[12]), r[16], r[17]});
        unplayed = unplayed || r[17] != "played";
    }
    std::vector<Column> columns{{"Part", "name"},
                                {m.pair.side1, "name"},
                                {"Points"},
                                {m.pair.bye() ? "" : m.pair.side2, "name"},
                                {"Points"}};
    if (unplayed) columns.push_back({"Status", "name"});
    return tag("h3", title) + "\n" + table(columns, cells);
}

std::string weeksection(const WeekResult& week, const MatchSettings& s) {
    const Cells rows = matchescells(week, s);
    std::string out = "<section>\n" +
                      tag("h2", "Matches, week " + std::to_string(week.week.number) + ", " +
                                    nighttext(week.week.date)) +
                      "\n";
    // The CSV's rows in pair order: each match takes its own.
    std::size_t at = 0;
    for (const MatchResult& m : week.matches) {
        Cells own;
        while (at < rows.size() && rows[at].size() > 3 && rows[at][2] == m.pair.side1 &&
               (rows[at][3] == m.pair.side2 || (m.pair.bye() && rows[at][3] == "bye")))
            own.push_back(rows[at++]);
        out += matchblock(m, own);
    }
    return out + "</section>\n";
}

} // namespace

std::string matchsections(ProgramState& g, const fs::path& dir) {
    MatchSeason s = openseason(g, dir);
    if (!s.file.settings.on || s.damaged) return "";
    complete(s);
    std::string out = tablesection(standings(s.file, s.sides.sides, s.nights));
    const int newest = newestweek(s.file.schedule, s.nights);
    if (const Week* w = findweek(s.file.schedule, newest))
        out += weeksection(weekresult(s, *w), s.file.settings);
    return out;
}

} // namespace greenfold
