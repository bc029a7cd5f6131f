#include "models/solartime/SummerTimeHint.h"

#include <variant>

namespace models {
bool missesChinaSummerTime(engine::LocalTime clock, const MomentOptions& options)
{
    if (!options.effectiveZone().empty()) // a zone, or a place's zone, knows its own summer time
        return false;
    MomentOptions china;
    china.zone = kChinaZone;
    china.fold = zones::Fold::earlier; // the repeated hour of the autumn change counts too
    const auto moment = buildMoment(clock, china);
    if (const auto* m = std::get_if<engine::BirthMoment>(&moment))
        return m->dst;
    return true; // the hour skipped in spring: summer time began inside it
}

} // namespace models
