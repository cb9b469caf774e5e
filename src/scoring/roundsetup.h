#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "scoring/scoreentry.h"

#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The rules of the round set-up window: who played, on which course and on which date.

// The players offered, in roster order, with the slot each row stands for. Players
// without a name are not offered, so a row is mapped through slots rather than counted.
struct SetupPlayers {
    std::vector<std::string> names;
    std::vector<int> playerslots;
};
SetupPlayers setupplayers(const ProgramState& g);

// A two-digit year: 85..99 are the 1900s, 0..84 the 2000s.
std::string century(int year);
// The year spin's tip: "Year 2014".
std::string yearcaption(int year);
// The year label: always two digits.
std::string yeartext(int year);
// The month label: the first three letters of the month's name.
std::string monthshort(const ProgramState& g, int month);

// One step of a date spin. Month and day stop at their ends (1..12, 1..31, the day not
// checked against the month); the year wraps between 00 and 99.
int stepmonth(int month, bool up);
int stepday(int day, bool up);
int stepyear(int year, bool up);

struct SetupDate {
    int month = 1;
    int day = 1;
    int year = 0; // two digits
};

enum class SetupCheck { ok, nocourse, noplayers };

// Accepting the set-up: refuses when the course text names no course or nobody was
// chosen; otherwise the session that enters a round for each chosen player on that
// course and date.
struct SetupResult {
    SetupCheck check = SetupCheck::ok;
    ScoreSession session;
};
SetupResult acceptsetup(const ProgramState& g, const std::vector<int>& chosen,
                        std::string_view coursetext, const SetupDate& date);

Message nocoursemessage();
Message noplayersmessage();
// The question asked, when the reminder is on, before scores are entered.
Message datequestion(const SetupDate& date, std::string_view coursename);

} // namespace greenfold
