#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Command
{
    std::string_view name;
    std::string_view summary;
    int (*run)(cli::Args args);
};

// One row per subcommand; the help text lists them in this order.
const Command kCommands[] = {
    {"lunar", "lunar dates of Gregorian dates", cli::lunarCommand},
    {"solar", "Gregorian dates of lunar dates", cli::solarCommand},
    {"pillars", "four pillars (year, month, day, hour) of moments", cli::pillarsCommand},
    {"terms", "the 24 solar terms of Gregorian years", cli::termsCommand},
    {"chart", "the whole chart of one birth, as the chart window shows it", cli::chartCommand},
    {"lookup", "the earliest moment of four pillars (reverse lookup)", cli::lookupCommand},
    {"readings", "peach-blossom, spouse, strength, bone-weight and nine-palace readings of one birth",
     cli::readingsCommand},
    {"match", "the nine-palace marriage verdict of a man and a woman", cli::matchCommand},
    {"idnum", "the personality reading of an identity number's digits", cli::idnumCommand},
    {"month", "a month of the perpetual calendar: grid, lunar dates, festivals, almanac", cli::monthCommand},
};

constexpr std::size_t kNameColumn = 10; // summaries line up after the longest name

std::string usage()
{
    std::string text = "Usage: bazi COMMAND [OPTIONS] VALUE...\n"
                       "       bazi COMMAND [OPTIONS] -\n"
                       "\n"
                       "Chinese calendar conversions. Text is UTF-8; every line ends with LF.\n"
                       "\n"
                       "Commands:\n";
    for (const Command& command : kCommands) {
        text += "  ";
        text += command.name;
        text.append(command.name.size() < kNameColumn ? kNameColumn - command.name.size() : 1, ' ');
        text += command.summary;
        text += '\n';
    }
    text += "\n"
            "Every command takes --help and --json. The value - reads one value per line from standard input.\n"
            "Exit status: 0 done, 1 some input lines were refused, 2 a bad command, option or argument.\n";
    return text;
}

std::string unknownCommand(std::string_view name)
{
    if (name.starts_with('-'))
        return "unknown option " + cli::shown(name) + " (options follow the command)";
    return "unknown command " + cli::shown(name);
}

int dispatch(const std::vector<std::string_view>& words)
{
    if (words.empty()) {
        std::cerr << "bazi: no command given (see bazi --help)\n";
        return cli::kExitUsage;
    }
    const std::string_view name = words.front();
    if (name == "--help" || name == "-h" || name == "help") {
        std::cout << usage();
        return cli::kExitOk;
    }
    const auto command = std::ranges::find(kCommands, name, &Command::name);
    if (command == std::end(kCommands)) {
        std::cerr << "bazi: " << unknownCommand(name) << " (see bazi --help)\n";
        return cli::kExitUsage;
    }
    return command->run(cli::Args(words).subspan(1));
}

} // namespace

int main(int argc, char* argv[])
{
    // Whole ranges of dates go through one process: no C stdio sync, no per-line flushes.
    std::ios::sync_with_stdio(false);
    try {
        return dispatch(std::vector<std::string_view>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << "bazi: " << e.what() << '\n';
        return cli::kExitUsage;
    }
}
