#include "models/solartime/SummerTimeHint.h"

#include <variant>

namespace models {
bool missesChinaSummerTime(engine::LocalTime clock, const MomentOptions& options)
{
    if (!options.effectiveZone().empty()) // a zone, or a place's zone, knows its own summer time
        return false;
    const int year = static_cast<int>(engine::toCivil(clock).date.year());
    if (year < kFirstSummerTimeYear || year > kLastSummerTimeYear)
        return false; // asked of every chart: the tz database only for the years China kept summer time
    MomentOptions china;
    china.zone = kChinaZone;
    china.fold = zones::Fold::earlier; // the repeated hour of the autumn change counts too
    const auto moment = resolveMoment(clock, china);
    if (const auto* m = std::get_if<Moment>(&moment))
        return m->birth().dst;
    // The hour skipped in spring: summer time began inside it. Any other refusal (no zones in this build) says
    // nothing about summer time.
    return std::get<Refusal>(moment).reason == Reason::skippedTime;
}

} // namespace models
