// The date-time reader and writer: whatever readTime takes, writeTime writes as a text that reads to the same
// moment; the "now" fallbacks leave a readable text behind.
#include "engine/support/DateTime.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstring>

using namespace engine;
using namespace std::chrono;

namespace {

const LocalTime kFixedNow = local_days{year{2024} / 2 / 10} + hours{8};
const Clock kClock = [] { return kFixedNow; };

// The moments readTime can give: years 1 to 9999.
const LocalTime kFirst{local_days{year{1} / 1 / 1}};
const LocalTime kLast = LocalTime{local_days{year{9999} / 12 / 31}} + hours{23} + minutes{59} + seconds{59};

void checkWritten(LocalTime t)
{
    const std::string text = writeTime(t);
    fuzz::check(isFullTimeText(text), "writeTime gives YYYY-MM-DD HH:mm:ss");
    fuzz::check(readTime(text) == t, "writeTime reads back to the same moment");
    const LocalDays day = floor<days>(t);
    fuzz::check(readTime(writeDate(day)) == LocalTime{day}, "writeDate reads back to the same day");
    const CivilTime c = toCivil(t);
    fuzz::check(c.date.ok() && c.hour >= 0 && c.hour < 24 && c.minute >= 0 && c.minute < 60 && c.second >= 0 &&
                    c.second < 60,
                "toCivil gives a real date and time of day");
}

void checkFallbacks(std::string_view text, const std::optional<LocalTime>& read)
{
    std::string sTime(text);
    fuzz::check(acceptTime(sTime, kClock) == read.value_or(kFixedNow), "acceptTime falls back to now");
    fuzz::check(readTime(sTime).has_value(), "acceptTime leaves a readable text");
    sTime = text;
    const LocalTime full = acceptFullTime(sTime, kClock);
    fuzz::check(isFullTimeText(sTime) && readTime(sTime) == full, "acceptFullTime leaves the full form");
    sTime = text;
    const LocalTime date = acceptDate(sTime, kClock);
    fuzz::check(read ? date == *read : date == LocalTime{floor<days>(kFixedNow)}, "acceptDate falls back to today");
    fuzz::check(readTime(sTime) == date, "acceptDate leaves a readable text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::asText(data, size);
    const auto read = readTime(text);
    if (read) {
        fuzz::check(*read >= kFirst && *read <= kLast, "readTime stays within years 1-9999");
        checkWritten(*read);
    }
    checkFallbacks(text, read);
    // The same bytes as a count of seconds: any moment readTime can give is written and read back.
    if (size >= sizeof(std::int64_t)) {
        std::int64_t raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        const std::int64_t span = (kLast - kFirst).count() + 1;
        checkWritten(kFirst + seconds{(raw % span + span) % span});
    }
    return 0;
}
