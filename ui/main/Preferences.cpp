#include "ui/main/Preferences.h"

#include "models/records/RecordMoment.h"
#include "ui/common/QtText.h"

#include <QSettings>
#include <QStandardPaths>

namespace ui {
namespace {

constexpr const char* kFileVariable = "CHENGSHU_SETTINGS";

// The values as the file holds them: words, so that the file reads and survives a reordered enumeration.
template <typename Value> struct Word
{
    const char* word;
    Value value;
};

// clang-format off
const Word<engine::SolarTimeKind> kSolarWords[] = {
    {"clock", engine::SolarTimeKind::clock},
    {"mean", engine::SolarTimeKind::mean},
    {"true", engine::SolarTimeKind::apparent},
};
// clang-format on
// clang-format off
const Word<models::TermMethod> kTermWords[] = {
    {"mean", models::TermMethod::mean},
    {"astro", models::TermMethod::astro},
};
// clang-format on
// clang-format off
const Word<engine::LateZi> kLateZiWords[] = {
    {"same", engine::LateZi::same},
    {"next-stem", engine::LateZi::nextStem},
    {"next-day", engine::LateZi::nextDay},
};
// clang-format on

template <typename Value, std::size_t N> QString wordOf(const Word<Value> (&words)[N], Value value)
{
    for (const auto& w : words)
        if (w.value == value)
            return QString::fromLatin1(w.word);
    return QString::fromLatin1(words[0].word);
}

template <typename Value, std::size_t N> Value valueOf(const Word<Value> (&words)[N], const QString& word)
{
    for (const auto& w : words)
        if (word == QLatin1String(w.word))
            return w.value;
    return words[0].value;
}

QSettings settings()
{
    return QSettings(preferencesFile(), QSettings::IniFormat);
}

} // namespace

QString preferencesFile()
{
    if (qEnvironmentVariableIsSet(kFileVariable))
        return qEnvironmentVariable(kFileVariable);
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/chengshu-bazi/chengshu-bazi.ini");
}

std::optional<Preferences> loadPreferences()
{
    const QSettings s = settings();
    if (!s.contains(QStringLiteral("chart/layout")))
        return std::nullopt;
    Preferences p;
    p.layout = fromQt(s.value(QStringLiteral("chart/layout")).toString());
    p.stars = s.value(QStringLiteral("chart/stars")).toBool();
    models::MomentOptions& o = p.moment;
    const QString placeLongitude = s.value(QStringLiteral("moment/placeLongitude")).toString();
    o.place = models::placeOfLabel(fromQt(s.value(QStringLiteral("moment/place")).toString()),
                                   placeLongitude.isEmpty() ? std::nullopt : std::optional(placeLongitude.toDouble()));
    bool ok = false;
    if (const double degrees = s.value(QStringLiteral("moment/longitude")).toDouble(&ok);
        ok && degrees >= -180 && degrees <= 180)
        o.longitude = degrees;
    o.zone = fromQt(s.value(QStringLiteral("moment/zone")).toString());
    o.solarTime = valueOf(kSolarWords, s.value(QStringLiteral("moment/solarTime")).toString());
    o.terms = valueOf(kTermWords, s.value(QStringLiteral("moment/terms")).toString());
    o.lateZi = valueOf(kLateZiWords, s.value(QStringLiteral("moment/lateZi")).toString());
    return p;
}

void savePreferences(const models::ChartRequest& request)
{
    QSettings s = settings();
    const models::MomentOptions& o = request.moment;
    s.setValue(QStringLiteral("chart/layout"), toQt(request.layout));
    s.setValue(QStringLiteral("chart/stars"), request.stars);
    s.setValue(QStringLiteral("moment/place"), o.place ? toQt(models::placeLabel(*o.place)) : QString());
    s.setValue(QStringLiteral("moment/placeLongitude"),
               o.place ? toQt(models::degreesText(o.place->longitude)) : QString());
    s.setValue(QStringLiteral("moment/longitude"), o.longitude ? QString::number(*o.longitude, 'f', 6) : QString());
    s.setValue(QStringLiteral("moment/zone"), toQt(o.zone));
    s.setValue(QStringLiteral("moment/solarTime"), wordOf(kSolarWords, o.solarTime));
    s.setValue(QStringLiteral("moment/terms"), wordOf(kTermWords, o.terms));
    s.setValue(QStringLiteral("moment/lateZi"), wordOf(kLateZiWords, o.lateZi));
}

bool drawnViewChosen()
{
    return settings().value(QStringLiteral("view/drawn"), false).toBool();
}

void saveDrawnView(bool drawn)
{
    QSettings s = settings();
    s.setValue(QStringLiteral("view/drawn"), drawn);
}

} // namespace ui
