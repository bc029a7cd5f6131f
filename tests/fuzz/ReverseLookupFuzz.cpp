// The reverse lookup: a moment it finds really has the four pillars asked for and lies in the years searched; a
// message says what is wrong with the pillars; BaZi2Date writes the same answer as a text that reads back. Pillars
// come both as four pillars that fit together, picked by the first four bytes, with a start year, and as lines of
// text.
#include "engine/LandPP.h"
#include "engine/analysis/ReverseLookup.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <charconv>

using namespace engine;

namespace {

const LandPP kLandPP{[] { return LocalTime{std::chrono::local_days{std::chrono::year{2024} / 2 / 10}}; }};
constexpr int kCycleBaseYear = 1864; // a 甲子 year: year count 0

struct Asked
{
    std::array<std::string, 4> pillars; // year, month, day, hour
    std::int16_t firstYear = 0;
};

bool allSixty(const Asked& asked)
{
    return std::all_of(asked.pillars.begin(), asked.pillars.end(),
                       [](const std::string& p) { return ganZhiPosition(p).has_value(); });
}

void checkFound(const Asked& asked, const BaZiFound& found)
{
    fuzz::check(fourPillars(found.at) == asked.pillars, "the moment found has the four pillars");
    const int pillarYear = kCycleBaseYear + yearCount(found.at);
    fuzz::check(pillarYear >= std::max<int>(asked.firstYear, kFirstLookupYear) && pillarYear <= kLastLookupYear,
                "the moment found lies in the pillar years searched");
}

void checkLookup(const Asked& asked)
{
    const auto& [y, m, d, h] = asked.pillars;
    const BaZiLookup lookup = lookupBaZi(y, m, d, h, asked.firstYear);
    const std::string text = lookupText(lookup);
    fuzz::check(kLandPP.BaZi2Date(y, m, d, h, asked.firstYear) == text, "BaZi2Date writes the lookup");
    fuzz::checkUtf8(text, "the answer is UTF-8");
    if (const auto* found = std::get_if<BaZiFound>(&lookup)) {
        checkFound(asked, *found);
        fuzz::check(readTime(text) == found->at, "the answer reads back to the moment found");
    } else if (const auto* message = std::get_if<BaZiMessage>(&lookup)) {
        const bool matched = monthPosition(y, m) && hourPosition(d, h);
        fuzz::check(*message == BaZiMessage::WrongPillars ? !allSixty(asked) : allSixty(asked) && !matched,
                    "the message says what is wrong");
    } else {
        fuzz::check(allSixty(asked) && monthPosition(y, m) && hourPosition(d, h), "nothing found for good pillars");
    }
}

// The `choice`-th pillar (wrapping) of those that `belongs` accepts: the month pillars a year stem allows, the hour
// pillars a day stem allows.
template <class Belongs> std::string pickPillar(std::uint8_t choice, Belongs belongs)
{
    std::vector<std::string> allowed;
    for (int n = 0; n < 60; ++n) {
        if (belongs(ganZhi(n)))
            allowed.push_back(ganZhi(n));
    }
    return allowed.empty() ? std::string{} : allowed[choice % allowed.size()];
}

std::int16_t readYear(const std::string& line)
{
    int value = 0;
    std::from_chars(line.data(), line.data() + line.size(), value);
    return static_cast<std::int16_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size >= 6) {
        Asked asked; // pillars that fit together, so that most are found
        const std::string year = ganZhi(data[0] % 60);
        const std::string day = ganZhi(data[2] % 60);
        asked.pillars = {
            year, pickPillar(data[1], [&](const std::string& p) { return monthPosition(year, p).has_value(); }), day,
            pickPillar(data[3], [&](const std::string& p) { return hourPosition(day, p).has_value(); })};
        asked.firstYear = static_cast<std::int16_t>(1850 + (data[4] | data[5] << 8) % 300); // [1850, 2149]
        checkLookup(asked);
    }
    const std::vector<std::string> lines = fuzz::lines(fuzz::asText(data, size));
    Asked asked;
    for (std::size_t i = 0; i < 4 && i < lines.size(); ++i)
        asked.pillars[i] = lines[i];
    asked.firstYear = lines.size() > 4 ? readYear(lines[4]) : 0;
    checkLookup(asked);
    return 0;
}
