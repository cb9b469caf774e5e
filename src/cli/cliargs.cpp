#include "cli/cliargs.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <map>

namespace greenfold {

namespace {

struct CommandWord {
    CliCommand command;
    const char* word;
    std::size_t arguments;
    const char* options; // the options it takes, each between spaces
};

constexpr std::array<CommandWord, 14> commands{
    {{CliCommand::leagues, "leagues", 0, " --dir --help "},
     {CliCommand::list, "list", 1, " --dir --help --view --date --player --long --today --output "},
     {CliCommand::import, "import", 2, " --dir --help --dry-run --allow-second-round "},
     {CliCommand::exportrounds, "export", 1, " --dir --help --output "},
     {CliCommand::replay, "replay", 1, " --dir --help --method --write "},
     {CliCommand::results, "results", 1, " --dir --help --date --csv --skins --totals --output "},
     {CliCommand::standings, "standings", 1, " --dir --help --csv --html --output "},
     {CliCommand::postteams, "postteams", 1, " --dir --help --date --week "},
     {CliCommand::newseason, "newseason", 1, " --dir --help "},
     {CliCommand::matchplay, "matchplay", 1, " --dir --help --set --substitute-only --regular "},
     {CliCommand::schedule, "schedule", 1,
      " --dir --help --make --weeks --first --skip --position --force --rainout --postpone "
      "--cancel --csv --output "},
     {CliCommand::sheet, "sheet", 1,
      " --dir --help --week --absent --sub --forfeit --draw --teammate --mh --present "},
     {CliCommand::matches, "matches", 1, " --dir --help --week --csv --output "},
     {CliCommand::matchstandings, "matchstandings", 1, " --dir --help --csv --output "}}};

// Flags: no value. Lists: options that may be given again, each time adding to the list.
constexpr std::array<const char*, 13> flags{
    "--help",  "--long", "--dry-run", "--allow-second-round",
    "--write", "--csv",  "--skins",   "--totals",
    "--html",  "--make", "--force",   "--postpone",
    "--cancel"};
bool listoption(const std::string& name) {
    static const std::string lists = " --set --substitute-only --regular --skip --position "
                                     "--absent --sub --forfeit --draw --teammate --mh --present ";
    return lists.find(" " + name + " ") != std::string::npos;
}

// The values that are checked once the command is known.
struct Values {
    std::string view, date, today, method;
    std::string week, weeks, first, rainout;
    std::vector<std::string> skips, positions;
};

// CLI11 reads the options anywhere on the line, "--name=value" and "--name value" alike,
// and hands back every other word in order. The flags are read by count, so that one
// given a value can be refused by name.
void addoptions(CLI::App& app, CliRequest& r, Values& v) {
    app.set_help_flag(); // the help texts are clihelp's
    app.allow_extras();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    for (const char* flag : flags) app.add_flag(std::string(flag) == "--help" ? "-h,--help" : flag);
    app.add_option("--dir", r.dir);
    app.add_option("--view", v.view);
    app.add_option("--date", v.date);
    app.add_option("--player", r.list.player);
    app.add_option("--today", v.today);
    app.add_option("-o,--output", r.outfile);
    app.add_option("--method", v.method);
    MatchOptions& m = r.match;
    for (auto [name, value] : {std::pair{"--week", &v.week}, std::pair{"--weeks", &v.weeks},
                               std::pair{"--first", &v.first}, std::pair{"--rainout", &v.rainout}})
        app.add_option(name, *value);
    for (auto [name, list] :
         {std::pair{"--set", &m.sets}, std::pair{"--substitute-only", &m.substituteonly},
          std::pair{"--regular", &m.regulars}, std::pair{"--skip", &v.skips},
          std::pair{"--position", &v.positions}, std::pair{"--absent", &m.absent},
          std::pair{"--sub", &m.subs}, std::pair{"--forfeit", &m.forfeits},
          std::pair{"--draw", &m.draws}, std::pair{"--teammate", &m.teammates},
          std::pair{"--mh", &m.mhs}, std::pair{"--present", &m.present}})
        app.add_option(name, *list)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

// The words in the reverse order CLI11 takes them, each "NAME=VALUE" of an option that takes
// a value split in two: CLI11 would keep the "=" of "-o=FILE", and take an empty "--dir="
// as "--dir" still waiting for the next word.
std::vector<std::string> cliwords(const CLI::App& app, const std::vector<std::string>& args) {
    std::vector<std::string> words;
    const auto mark = std::find(args.begin(), args.end(), "--");
    for (auto w = args.begin(); w != args.end(); ++w) {
        const std::size_t eq = w->find('=');
        const CLI::Option* o = w < mark && eq != std::string::npos
                                   ? app.get_option_no_throw(w->substr(0, eq))
                                   : nullptr;
        if (o && o->get_expected_max() > 0)
            words.insert(words.end(), {w->substr(0, eq), w->substr(eq + 1)});
        else
            words.push_back(*w);
    }
    return {words.rbegin(), words.rend()};
}

// The words CLI11 did not take as options: before "--" a word starting with a dash is an
// unknown option; the others are the command and its arguments.
std::vector<std::string> sortrest(const CLI::App& app, std::string& unknown) {
    std::vector<std::string> words;
    bool options = true;
    for (const std::string& w : app.remaining()) {
        if (options && w == "--")
            options = false;
        else if (!options || w.size() < 2 || w[0] != '-')
            words.push_back(w);
        else if (unknown.empty())
            unknown = w.substr(0, w.find('='));
    }
    return words;
}

std::string takeview(const std::string& value, ListChoice& list) {
    static const std::map<std::string, int> views{
        {"recent", view_recent}, {"date", view_date}, {"player", view_player}};
    if (value.empty()) return "";
    if (!views.contains(value)) return "--view is recent, date or player, not '" + value + "'";
    list.view = views.at(value);
    return "";
}

std::string takemethod(const std::string& value, std::optional<HandicapMethod>& method) {
    if (value == "classic" || value == "whs")
        method = value == "whs" ? HandicapMethod::whs : HandicapMethod::classic;
    else if (!value.empty())
        return "--method is classic or whs, not '" + value + "'";
    return "";
}

std::string takedate(const std::string& name, const std::string& value,
                     DateRead (*read)(std::string_view), std::optional<CalendarDate>& date) {
    if (value.empty()) return "";
    const DateRead d = read(value);
    if (!d.ok()) return name + ": " + d.problem;
    date = d.date;
    return "";
}

// A week number 1..52, as --week, --weeks, --rainout or --position gives it.
std::string takeweek(const std::string& name, const std::string& value, std::optional<int>& week) {
    if (value.empty()) return "";
    int n = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
    if (ec != std::errc() || end != value.data() + value.size() || n < 1 || n > 52)
        return name + " is a week from 1 to 52, not '" + value + "'";
    week = n;
    return "";
}

std::string takematch(const CLI::App& app, const Values& v, CliRequest& r) {
    MatchOptions& m = r.match;
    m.make = app.count("--make");
    m.force = app.count("--force");
    m.postpone = app.count("--postpone");
    m.cancel = app.count("--cancel");
    for (const std::string& e :
         {takeweek("--week", v.week, m.week), takeweek("--weeks", v.weeks, m.weeks),
          takeweek("--rainout", v.rainout, m.rainout),
          takedate("--first", v.first, readrounddate, m.first)})
        if (!e.empty()) return e;
    for (const std::string& s : v.skips) {
        std::optional<CalendarDate> d;
        if (std::string e = takedate("--skip", s, readrounddate, d); !e.empty()) return e;
        m.skips.push_back(*d);
    }
    for (const std::string& s : v.positions) {
        std::optional<int> w;
        if (std::string e = takeweek("--position", s, w); !e.empty()) return e;
        m.positions.push_back(*w);
    }
    if (r.command == CliCommand::schedule) {
        if (m.make && m.rainout) return "--make and --rainout are two different changes; give one";
        if (m.make && (!m.weeks || !m.first)) return "--make needs --weeks W and --first MM/DD/YY";
        if (m.rainout && m.postpone == m.cancel) return "--rainout needs --postpone or --cancel";
        if (!m.rainout && (m.postpone || m.cancel))
            return "--postpone and --cancel belong to --rainout WEEK";
        if (!m.make && (m.weeks || m.first || !m.skips.empty() || !m.positions.empty() || m.force))
            return "--weeks, --first, --skip, --position and --force belong to --make";
    }
    if (r.command == CliCommand::sheet && !m.week) return "sheet needs --week N";
    return "";
}

// --date and --player choose their view when --view is not given.
std::string settleview(const CLI::App& app, CliRequest& r) {
    const bool date = app.count("--date"), player = app.count("--player");
    if (date && player) return "--date and --player belong to different views";
    if (!app.count("--view")) {
        if (date) r.list.view = view_date;
        if (player) r.list.view = view_player;
    }
    if (date && r.list.view != view_date) return "--date belongs to --view date";
    if (player && r.list.view != view_player) return "--player belongs to --view player";
    if (r.list.view == view_player && !player) return "--view player needs --player NAME";
    return "";
}

// Each option given once, to a command that takes it, and not empty.
std::string checkoptions(const CLI::App& app, const CommandWord& c) {
    for (const CLI::Option* o : app.get_options()) {
        if (!o->count()) continue;
        const std::string name = o->get_name();
        if (std::string(c.options).find(" " + name + " ") == std::string::npos)
            return c.word + (" does not take " + name);
        if (o->count() > 1 && !listoption(name)) return name + " is given twice";
        for (const std::string& value : o->results())
            if (value.empty()) return name + " needs a value";
    }
    return "";
}

std::string fillrequest(const CLI::App& app, const std::vector<std::string>& words,
                        const CommandWord& c, const Values& v, CliRequest& r) {
    const std::size_t given = words.size() - 1;
    if (given != c.arguments)
        return c.word + (" takes " + std::to_string(c.arguments)) + " argument" +
               (c.arguments == 1 ? "" : "s") + ", not " + std::to_string(given);
    if (c.arguments >= 1) r.league = words[1];
    if (c.arguments >= 2) r.csvfile = words[2];
    r.longlines = app.count("--long");
    r.dryrun = app.count("--dry-run");
    r.allowsecond = app.count("--allow-second-round");
    r.write = app.count("--write");
    r.csv = app.count("--csv");
    r.totals = app.count("--totals");
    r.skins = app.count("--skins") || r.totals;
    r.html = app.count("--html");
    if (r.csv && r.html) return "--csv and --html are two different outputs; give one";
    for (const std::string& e :
         {takeview(v.view, r.list), takedate("--date", v.date, readrounddate, r.list.date),
          takedate("--today", v.today, readtoday, r.today), takemethod(v.method, r.method)})
        if (!e.empty()) return e;
    if (std::string e = takematch(app, v, r); !e.empty()) return e;
    return r.command == CliCommand::list ? settleview(app, r) : "";
}

} // namespace

ParsedArgs parseargs(const std::vector<std::string>& args) {
    ParsedArgs parsed;
    CliRequest& r = parsed.request;
    Values v;
    CLI::App app;
    addoptions(app, r, v);
    std::string wrong, unknown; // wrong: the first word that could not be read
    try {
        app.parse(cliwords(app, args));
    } catch (const CLI::ArgumentMismatch&) {
        // Raised only when the last word is an option still waiting for its value.
        wrong = args.back() + " needs a value";
    }
    for (const char* flag : flags)
        if (app.count(flag) && app[flag]->results().front() != "true")
            wrong = flag + std::string(" takes no value");
    const std::vector<std::string> words = sortrest(app, unknown);
    if (!unknown.empty()) wrong = "unknown option " + unknown;

    r.help = app.count("--help");
    if (words.empty()) {
        if (!r.help) parsed.error = wrong.empty() ? "no command given" : wrong;
        return parsed;
    }
    const auto* at = std::find_if(commands.begin(), commands.end(),
                                  [&](const CommandWord& c) { return words.front() == c.word; });
    if (at == commands.end()) {
        parsed.error = "unknown command '" + words.front() + "'";
        return parsed;
    }
    r.command = at->command;
    if (r.help) return parsed;
    parsed.error = wrong.empty() ? checkoptions(app, *at) : wrong;
    if (parsed.error.empty()) parsed.error = fillrequest(app, words, *at, v, r);
    return parsed;
}

} // namespace greenfold
