#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/OptionNames.h"
#include "cli/Platform.h"

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
    bool readsLines = false; // answers values one by one, and takes - for one value per line of standard input
};

// One row per subcommand; the help text lists them in this order.
// clang-format off
const Command kCommands[] = {
    {"lunar", "lunar dates of Gregorian dates", cli::lunarCommand, true},
    {"solar", "Gregorian dates of lunar dates", cli::solarCommand, true},
    {"pillars", "four pillars (year, month, day, hour) of moments", cli::pillarsCommand, true},
    {"terms", "the 24 solar terms of Gregorian years", cli::termsCommand, true},
    {"chart", "the whole chart of one birth, as the chart window shows it", cli::chartCommand},
    {"lookup", "the earliest moment of four pillars (reverse lookup)", cli::lookupCommand},
    {"readings", "peach-blossom, spouse, strength, bone-weight and nine-palace readings of one birth",
     cli::readingsCommand},
    {"match", "the nine-palace marriage verdict of a man and a woman", cli::matchCommand},
    {"idnum", "the personality reading of an identity number's digits", cli::idnumCommand, true},
    {"month", "a month of the perpetual calendar: grid, lunar dates, festivals, almanac", cli::monthCommand},
    {"places", "places for --place: name, region, longitude, latitude, zone", cli::placesCommand, true},
    {"record", "stored record files read back and re-charted", cli::recordCommand},
};
// clang-format on

constexpr std::size_t kNameColumn = 10; // summaries line up after the longest name

// "  lunar, solar": the commands that do, or do not, answer values one by one.
std::string commandList(bool readsLines)
{
    std::string text = " ";
    for (const Command& command : kCommands) {
        if (command.readsLines == readsLines) {
            text += text.size() > 1 ? ", " : " ";
            text += command.name;
        }
    }
    return text + '\n';
}

std::string usage()
{
    std::string text =
        "Usage: bazi COMMAND [OPTIONS] [VALUE...]\n"
        "       bazi COMMAND [OPTIONS] -\n"
        "       bazi COMMAND --help\n"
        "\n"
        "Chinese calendar and eight-characters (八字) charting: date conversions, pillars, solar terms,\n"
        "charts and readings of a birth, the reverse lookup and the perpetual calendar. Text is UTF-8;\n"
        "lines end with LF (CR LF with bazi chart --crlf).\n"
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
            "Every command takes --help and --json, and each option at most once.\n"
            "These answer each VALUE in turn, and with - as the only value one value per line of standard input:\n";
    text += commandList(true);
    text += "These answer one request made of their options and words, and do not read standard input:\n";
    text += commandList(false);
    text += "Exit status: 0 done; 1 some lines of standard input were refused, or lookup found no moment; 2 a\n"
            "bad command, option or argument, or standard input or output that cannot be read or written.\n";
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
    if (words.empty())
        return cli::usageError("", "no command given");
    const std::string_view name = words.front();
    if (name == "--help" || name == "-h" || name == "help")
        return cli::printHelp(usage());
    if (name == "--version")
        return cli::printHelp("bazi " LANDPP_VERSION "\n"); // the project's version, passed by the build
    const auto command = std::ranges::find(kCommands, name, &Command::name);
    if (command == std::end(kCommands))
        return cli::usageError("", unknownCommand(name));
    return command->run(cli::Args(words).subspan(1));
}

int run(const std::vector<std::string>& words)
{
    // Whole ranges of dates go through one process: no C stdio sync, no per-line flushes.
    std::ios::sync_with_stdio(false);
    int status = cli::kExitUsage;
    try {
        status = dispatch(std::vector<std::string_view>(words.begin(), words.end()));
    } catch (const std::exception& e) {
        std::cerr << "bazi: " << e.what() << '\n';
    }
    // A full disk or a closed output shows only once the buffered text is flushed; output cut short is no success.
    if (!std::cout.flush()) {
        std::cerr << "bazi: cannot write to standard output\n";
        return cli::kExitUsage;
    }
    return status;
}

} // namespace

#ifdef _WIN32
// Windows hands main() its words in the ANSI code page, which loses Chinese: the words are taken as UTF-16 and made
// UTF-8 here, once. Standard input and output carry UTF-8 bytes unchanged (no CR added or taken away), and a console
// shows them as UTF-8.
int wmain(int argc, wchar_t* argv[])
{
    platform::useUtf8Streams();
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i)
        words.push_back(platform::utf8(argv[i]));
    return run(words);
}
#else
int main(int argc, char* argv[])
{
    return run(std::vector<std::string>(argv + 1, argv + argc));
}
#endif
