#include "matchplay/matchforms.h"

#include "matchplay/cards.h"
#include "model/textline.h"

#include <charconv>

namespace greenfold::matchplay {

namespace {

std::optional<int> number(std::string_view text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find_first_of(" ,;\t", at);
        const std::string_view w = text.substr(at, end == text.npos ? text.npos : end - at);
        if (!w.empty()) out.push_back(w);
        if (end == text.npos) break;
        at = end + 1;
    }
    return out;
}

Message question(std::string text, const char* title) {
    return {std::move(text), title, Icon::question};
}

Message refusal(std::string text) {
    return {std::move(text), "Greenfold", Icon::exclamation};
}

std::string weekdate(const Week& w) {
    return "week " + std::to_string(w.number) + " (" + nighttext(w.date) + ")";
}

} // namespace

std::optional<NightDate> readnightdate(std::string_view text) {
    const auto first = text.find('/'), second = text.rfind('/');
    if (first == text.npos || second == first) return std::nullopt;
    const auto m = number(text.substr(0, first));
    const auto d = number(text.substr(first + 1, second - first - 1));
    const std::string_view y = text.substr(second + 1);
    auto year = number(y);
    if (!m || !d || !year || (y.size() != 2 && y.size() != 4)) return std::nullopt;
    if (y.size() == 4) {
        if (*year < 1985 || *year > 2084) return std::nullopt;
        *year %= 100;
    }
    const NightDate date{int16_t(*m), int16_t(*d), int16_t(*year)};
    if (!validdate(date)) return std::nullopt;
    return date;
}

std::optional<std::vector<NightDate>> readdates(std::string_view text) {
    std::vector<NightDate> out;
    for (std::string_view w : words(text)) {
        const auto d = readnightdate(w);
        if (!d) return std::nullopt;
        out.push_back(*d);
    }
    return out;
}

std::optional<std::vector<int>> readweeks(std::string_view text) {
    std::vector<int> out;
    for (std::string_view w : words(text)) {
        const auto n = number(w);
        if (!n || *n < 1 || *n > maxweeks) return std::nullopt;
        out.push_back(*n);
    }
    return out;
}

std::string datestext(const std::vector<NightDate>& dates) {
    std::string out;
    for (const NightDate& d : dates) out += (out.empty() ? "" : " ") + nighttext(d);
    return out;
}

std::string weekstext(const std::vector<int>& weeks) {
    std::string out;
    for (int w : weeks) out += (out.empty() ? "" : " ") + std::to_string(w);
    return out;
}

NightDate offeredfirst(const Schedule& s, const ResultsFile& f, const NightDate& today) {
    if (validdate(s.plan.first)) return s.plan.first;
    if (f.lines.empty()) return today;
    NightDate d = adddays(f.lines.back().date, 7);
    while (d < today) d = adddays(d, 7);
    return d;
}

std::string weekcaption(const Week& w, const Nights& played) {
    std::string text =
        "Week " + std::to_string(w.number) + ", " + nighttext(w.date) + ", " + ninewords(w.nine);
    if (w.cancelled) return text + " (cancelled)";
    if (weekplayed(w, played)) return text + " (played)";
    if (!w.paired) return text + " (position week, not paired yet)";
    return text;
}

int openingweek(const Schedule& s, const SeasonNights& nights) {
    if (const int newest = newestweek(s, nights); newest > 0) return newest;
    const Nights played = playednights(s, nights);
    for (const Week& w : s.weeks)
        if (!w.cancelled && !weekplayed(w, played)) return w.number;
    return s.weeks.empty() ? 0 : s.weeks.front().number;
}

Message baddate(const std::string& what) {
    return refusal("The " + what +
                   " must be dates typed as MM/DD/YY, for example 06/30/26, with a space "
                   "between two dates.");
}

Message badweeks() {
    return refusal("The position weeks are week numbers from 1 to 52, with a space between "
                   "two numbers.");
}

Message replacequestion(const Schedule& s, const Nights& played) {
    std::vector<int> done;
    bool anyplayed = false, anycancelled = false;
    for (const Week& w : s.weeks) {
        const bool p = weekplayed(w, played);
        if (!p && !w.cancelled) continue;
        done.push_back(w.number);
        (p ? anyplayed : anycancelled) = true;
    }
    if (done.empty())
        return question("Replace the schedule of " + std::to_string(s.weeks.size()) +
                            " weeks with a new one?",
                        "Make Schedule");
    std::string which = "Week " + std::to_string(done.front());
    if (done.size() > 1) {
        which = "Weeks ";
        for (std::size_t k = 0; k < done.size(); ++k)
            which += (k == 0                 ? ""
                      : k + 1 == done.size() ? " and "
                                             : ", ") +
                     std::to_string(done[k]);
    }
    const std::string how = anyplayed && anycancelled ? "played or cancelled"
                            : anyplayed               ? "played"
                                                      : "cancelled";
    return question(which + (done.size() > 1 ? " have" : " has") + " been " + how +
                        ". The new schedule keeps " +
                        (done.size() > 1 ? "them as they were" : "it as it was") +
                        " and makes the other weeks anew.\r\n\r\nMake the new "
                        "schedule?",
                    "Make Schedule");
}

Message clearquestion(int weeks) {
    return question("The format, the holes a match or the sides have changed, so the " +
                        std::to_string(weeks) +
                        " weeks of the schedule not yet played are cleared; the weeks already "
                        "played stay as they are. Make the schedule again with Results > "
                        "Schedule.\r\n\r\nSave the settings?",
                    "Match Play Settings");
}

Message postponequestion(const Week& w) {
    return question("Postpone " + weekdate(w) +
                        "? It and every later week move on to the next free date, and the "
                        "season ends a week later.",
                    "Postpone");
}

Message cancelquestion(const Week& w) {
    return question("Cancel " + weekdate(w) +
                        "? Its matches are not played, and the later weeks keep their dates.",
                    "Cancel Week");
}

Message noweekchosen() {
    return refusal("Choose a week of the schedule first.");
}

Message notplayedyet(int week) {
    return refusal("Week " + std::to_string(week) + " has not been played: it has no rounds yet.");
}

Message nocards(const Week& w) {
    return refusal("Week " + std::to_string(w.number) + " has no matches to print cards for: " +
                   (w.cancelled ? "it is cancelled." : "it is not paired yet."));
}

std::vector<std::string> playerslines(const std::vector<PlayerPoints>& players) {
    std::vector<std::string> out{"Players' own points, from their single matches", "",
                                 "Player                  Matches   Points"};
    for (const PlayerPoints& p : players)
        out.push_back(alignleft(p.name, 22) + alignright(std::to_string(p.matches), 9) +
                      alignright(pointstext(p.points), 9));
    return out;
}

std::string absentwords(const MatchSettings& s) {
    if (s.absent == AbsentFill::forfeit) return "he forfeits his match";
    switch (s.phantomcard) {
    case PhantomCard::draw:
        return "a phantom with a card drawn";
    case PhantomCard::teammate:
        return "a phantom with his teammate's card";
    case PhantomCard::par:
        break;
    }
    return "a phantom with a par card";
}

} // namespace greenfold::matchplay
