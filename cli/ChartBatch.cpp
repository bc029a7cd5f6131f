#include "cli/ChartBatch.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "options/ChartWords.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <vector>

// Charts in batches: each line a JSON object whose keys are the chart's options without their dashes. A line is
// turned into the option words it stands for and read by the same reader as the command line.
namespace cli {
namespace {

using nlohmann::json;

// The parsed line, or nothing with the reason: not JSON, not an object, or a key given twice.
std::optional<json> parseRequest(const std::string& line, std::string& error)
{
    std::vector<std::string> keys;
    std::string repeated;
    const json::parser_callback_t noteKeys = [&](int depth, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::key && depth == 1) {
            auto key = parsed.get<std::string>();
            if (std::ranges::find(keys, key) != keys.end() && repeated.empty())
                repeated = key;
            keys.push_back(std::move(key));
        }
        return true;
    };
    json request;
    try {
        request = json::parse(line, noteKeys);
    } catch (const json::exception&) {
        error = line.find_first_not_of(" \t") == std::string::npos ? "an empty line" : "not a JSON object";
        return std::nullopt;
    }
    if (!request.is_object()) {
        error = "not a JSON object";
        return std::nullopt;
    }
    if (!repeated.empty()) {
        error = "\"" + repeated + "\" is given twice";
        return std::nullopt;
    }
    return request;
}

// Appends the words of one key: "--name 张三", "--stars" for true, nothing for false. False with the reason for a
// key that is no request option by name or whose value has the wrong type.
bool appendWords(std::vector<std::string>& words, const std::string& key, const json& value, std::string& error)
{
    if (key == "json" || key == "crlf" || key == "help" || key.empty() || key.starts_with('-')) {
        error = "not a request key: " + jsonString(key);
        return false;
    }
    const auto option = std::ranges::find(options::kChartOptions, "--" + key, &NamedOption::name);
    if (option == std::ranges::end(options::kChartOptions)) { // refused by name when the words are read as options
        words.push_back("--" + key);
        return true;
    }
    const bool isFlag = option->value.empty();
    if (isFlag ? !value.is_boolean() : !value.is_string() && !value.is_number()) {
        error = "\"" + key + (isFlag ? "\" is true or false" : "\" takes a text or a number");
        return false;
    }
    if (isFlag && !value.get<bool>())
        return true;
    words.push_back("--" + key);
    if (!isFlag)
        words.push_back(value.is_string() ? value.get<std::string>() : value.dump());
    return true;
}

// The option words of one request line: {"name":"张三","stars":true} gives --name 张三 --stars; a number is written
// as the line writes it. Nothing, with the reason, for a line that is not one flat object of request keys.
std::optional<std::vector<std::string>> requestWords(const std::string& line, std::string& error)
{
    const auto request = parseRequest(line, error);
    if (!request)
        return std::nullopt;
    std::vector<std::string> words;
    for (const auto& [key, value] : request->items())
        if (!appendWords(words, key, value, error))
            return std::nullopt;
    return words;
}

// Appends one line's output; the reason when it is refused.
std::optional<std::string> answerLine(std::string& out, const std::string& line, const GivenOptions& given)
{
    std::string error;
    const auto words = requestWords(line, error);
    if (!words)
        return error;
    const std::vector<std::string_view> views(words->begin(), words->end());
    const GivenOptions request(views, options::kChartOptions);
    error = request.error();
    const auto read = error.empty() ? options::readChartRequest(request, error) : std::nullopt;
    if (!read)
        return error;
    return writeChartOutput(out, *read, given);
}

} // namespace

int runBatch(const GivenOptions& given)
{
    const std::string_view eol = given.has("--crlf") ? "\r\n" : "\n";
    std::string out, line;
    bool refused = false;
    for (bool first = true; readInputLine(line, first); first = false) {
        if (const auto error = answerLine(out, line, given)) {
            refused = true;
            out += given.json() ? JsonObject().text("error", *error).str() : "error: " + *error;
            out += eol;
        }
        if (!given.json()) {
            out += '\f';
            out += eol;
        }
        flushWhenFull(out);
    }
    return finishLines(out, refused);
}

} // namespace cli
