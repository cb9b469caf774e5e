#include "cli/cliargs.h"

#include <algorithm>
#include <array>
#include <set>

namespace greenfold {

namespace {

struct Option {
    std::string name;
    std::string value;
    bool hasvalue = false;
};

struct CommandWord {
    CliCommand command;
    const char* word;
    std::size_t arguments;
};

constexpr std::array<CommandWord, 4> commands{{{CliCommand::leagues, "leagues", 0},
                                               {CliCommand::list, "list", 1},
                                               {CliCommand::import, "import", 2},
                                               {CliCommand::exportrounds, "export", 1}}};

// Options that take a value, and the commands each one belongs to ("" for every command).
struct OptionRule {
    const char* name;
    bool takesvalue;
    const char* command;
};
constexpr std::array<OptionRule, 11> rules{{{"--dir", true, ""},
                                            {"--help", false, ""},
                                            {"-h", false, ""},
                                            {"--view", true, "list"},
                                            {"--date", true, "list"},
                                            {"--player", true, "list"},
                                            {"--long", false, "list"},
                                            {"--today", true, "list"},
                                            {"-o", true, "list export"},
                                            {"--dry-run", false, "import"},
                                            {"--output", true, "list export"}}};

const OptionRule* rulefor(const std::string& name) {
    const auto* at = std::find_if(rules.begin(), rules.end(),
                                  [&](const OptionRule& r) { return name == r.name; });
    return at == rules.end() ? nullptr : at;
}

bool belongs(const OptionRule& rule, const std::string& command) {
    const std::string list = std::string(" ") + rule.command + " ";
    return std::string(rule.command).empty() || list.find(" " + command + " ") != std::string::npos;
}

// Splits the words into options and the rest. "--name=value" and "--name value" are one
// option; after "--" every word is an argument, so a league may start with a dash.
struct Words {
    std::vector<Option> options;
    std::vector<std::string> positionals;
    std::string error;
};

Words splitwords(const std::vector<std::string>& args) {
    Words w;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            w.positionals.insert(w.positionals.end(), args.begin() + long(i) + 1, args.end());
            break;
        }
        if (a.size() < 2 || a[0] != '-') {
            w.positionals.push_back(a);
            continue;
        }
        Option o;
        const std::size_t eq = a.find('=');
        o.name = a.substr(0, eq);
        const OptionRule* rule = rulefor(o.name);
        if (rule == nullptr) {
            if (w.error.empty()) w.error = "unknown option " + o.name;
            continue;
        }
        if (eq != std::string::npos) {
            o.value = a.substr(eq + 1);
            o.hasvalue = true;
        } else if (rule->takesvalue && i + 1 < args.size()) {
            o.value = args[++i];
            o.hasvalue = true;
        }
        if (rule->takesvalue != o.hasvalue && w.error.empty())
            w.error = o.name + (rule->takesvalue ? " needs a value" : " takes no value");
        w.options.push_back(o);
    }
    return w;
}

std::string takeview(const std::string& value, ListChoice& list) {
    if (value == "recent")
        list.view = view_recent;
    else if (value == "date")
        list.view = view_date;
    else if (value == "player")
        list.view = view_player;
    else
        return "--view is recent, date or player, not '" + value + "'";
    return "";
}

std::string takedate(const std::string& value, std::optional<CalendarDate>& date, bool today) {
    const DateRead read = today ? readtoday(value) : readrounddate(value);
    if (!read.ok()) return (today ? "--today: " : "--date: ") + read.problem;
    date = read.date;
    return "";
}

std::string takeoption(const Option& o, CliRequest& r) {
    if (o.name == "--help" || o.name == "-h")
        r.help = true;
    else if (o.name == "--dir")
        r.dir = o.value;
    else if (o.name == "--view")
        return takeview(o.value, r.list);
    else if (o.name == "--date")
        return takedate(o.value, r.list.date, false);
    else if (o.name == "--player")
        r.list.player = o.value;
    else if (o.name == "--long")
        r.longlines = true;
    else if (o.name == "--today")
        return takedate(o.value, r.today, true);
    else if (o.name == "-o" || o.name == "--output")
        r.outfile = o.value;
    else if (o.name == "--dry-run")
        r.dryrun = true;
    if (o.hasvalue && o.value.empty()) return o.name + " needs a value";
    return "";
}

// --date and --player choose their view when --view is not given.
std::string settleview(const std::vector<Option>& options, CliRequest& r) {
    auto given = [&](const char* name) {
        return std::any_of(options.begin(), options.end(),
                           [&](const Option& o) { return o.name == name; });
    };
    const bool date = given("--date"), player = given("--player");
    if (date && player) return "--date and --player belong to different views";
    if (!given("--view")) {
        if (date) r.list.view = view_date;
        if (player) r.list.view = view_player;
    }
    if (date && r.list.view != view_date) return "--date belongs to --view date";
    if (player && r.list.view != view_player) return "--player belongs to --view player";
    if (r.list.view == view_player && !player) return "--view player needs --player NAME";
    return "";
}

std::string checkoptions(const std::vector<Option>& options, const std::string& word) {
    std::set<std::string> seen;
    for (const Option& o : options) {
        const OptionRule* rule = rulefor(o.name);
        if (!belongs(*rule, word)) return word + " does not take " + o.name;
        const std::string same = o.name == "--output" ? "-o" : o.name;
        if (!seen.insert(same).second) return o.name + " is given twice";
    }
    return "";
}

std::string fillrequest(const Words& w, CliRequest& r) {
    const std::string& word = w.positionals.front();
    const auto* at = std::find_if(commands.begin(), commands.end(),
                                  [&](const CommandWord& c) { return word == c.word; });
    if (at == commands.end()) return "unknown command '" + word + "'";
    r.command = at->command;
    for (const Option& o : w.options)
        if (o.name == "--help" || o.name == "-h") r.help = true;
    if (r.help) return "";
    if (!w.error.empty()) return w.error;
    if (auto e = checkoptions(w.options, word); !e.empty()) return e;
    if (w.positionals.size() - 1 != at->arguments)
        return word + " takes " + std::to_string(at->arguments) + " argument" +
               (at->arguments == 1 ? "" : "s") + ", not " +
               std::to_string(w.positionals.size() - 1);
    if (at->arguments >= 1) r.league = w.positionals[1];
    if (at->arguments >= 2) r.csvfile = w.positionals[2];
    for (const Option& o : w.options)
        if (auto e = takeoption(o, r); !e.empty()) return e;
    return r.command == CliCommand::list ? settleview(w.options, r) : "";
}

} // namespace

ParsedArgs parseargs(const std::vector<std::string>& args) {
    ParsedArgs parsed;
    const Words w = splitwords(args);
    if (w.positionals.empty()) {
        const bool help = std::any_of(w.options.begin(), w.options.end(), [](const Option& o) {
            return o.name == "--help" || o.name == "-h";
        });
        parsed.request.help = help;
        if (!help) parsed.error = w.error.empty() ? "no command given" : w.error;
        return parsed;
    }
    parsed.error = fillrequest(w, parsed.request);
    return parsed;
}

std::string commandname(CliCommand command) {
    for (const CommandWord& c : commands)
        if (c.command == command) return c.word;
    return "";
}

} // namespace greenfold
