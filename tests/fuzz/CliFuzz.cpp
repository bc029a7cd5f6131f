// The tool's option reader and JSON writer, with the words cut from the input one per line. Every message is UTF-8;
// options and values are the words given; a birth read from options is in range; every JSON text is valid JSON and
// UTF-8, and a string written from UTF-8 reads back to the same text.
#include "cli/CliJson.h"
#include "options/GivenOptions.h"
#include "options/Values.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <functional>

namespace {

// Options as the birth commands have them, and one of each kind.
// clang-format off
constexpr options::NamedOption kKnown[] = {
    {"--sex", options::kValue}, {"--date", options::kValue}, {"--time", options::kValue}, {"--lunar"}, {"--leap"},
    {"--from", "a year"},
};
// clang-format on

// A view into one of the words.
bool isPartOfAWord(std::string_view view, options::Args words)
{
    return std::ranges::any_of(words, [view](std::string_view word) {
        const std::less_equal<const char*> notAfter;
        return notAfter(word.data(), view.data()) && notAfter(view.data() + view.size(), word.data() + word.size());
    });
}

void checkOptions(options::Args words, bool takesValues)
{
    const options::GivenOptions given(words, kKnown, takesValues);
    fuzz::checkUtf8(given.error(), "an option error is UTF-8");
    const auto untilEnd = std::ranges::find(words, "--");
    const bool help = std::ranges::any_of(words.begin(), untilEnd, [](auto w) { return w == "--help" || w == "-h"; });
    fuzz::check(given.help() == help, "help is --help or -h before --");
    for (const std::string_view value : given.values())
        fuzz::check(std::ranges::find(words, value) != words.end(), "a value is one of the words");
    for (const options::NamedOption& option : kKnown) {
        const auto value = given.value(option.name);
        fuzz::check(!value || value->empty() || isPartOfAWord(*value, words), "an option's value is part of a word");
        fuzz::check(!value || !option.value.empty() || value->empty(), "a flag has no value");
    }
    std::string error;
    if (const auto birth = options::readBirthOptions(given, error)) {
        fuzz::check(birth->hour >= 0 && birth->hour <= 23 && birth->minute >= 0 && birth->minute <= 59,
                    "a birth's time of day is in range");
        fuzz::check(!birth->leap || birth->lunar, "--leap only with --lunar");
    } else {
        fuzz::checkUtf8(error, "a birth error is UTF-8");
    }
}

void checkJson(options::Args words)
{
    for (const std::string_view word : words) {
        const std::string json = cli::jsonString(word);
        fuzz::checkJson(json, "jsonString is JSON");
        const auto decoded = fuzz::JsonReader(json).stringDocument();
        const std::string_view expected = engine::utf8::isValid(word) ? word : options::kInvalidUtf8;
        fuzz::check(decoded == expected, "jsonString reads back to the text");
        fuzz::checkUtf8(options::shown(word), "a shown value is UTF-8");
    }
    cli::JsonObject object;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i % 3 == 0)
            object.text(words[i], words[i]);
        else if (i % 3 == 1)
            object.number(words[i], static_cast<long long>(words[i].size()) - 5);
        else
            object.flag(words[i], words[i].size() % 2 == 0);
    }
    object.json("words", cli::jsonStrings(words));
    fuzz::checkJson(object.str(), "JsonObject is JSON");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::string> lines = fuzz::lines(fuzz::asText(data, size));
    const std::vector<std::string_view> words(lines.begin(), lines.end());
    checkOptions(words, true);
    checkOptions(words, false);
    checkJson(words);
    return 0;
}
