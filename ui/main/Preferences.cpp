#include "ui/main/Preferences.h"

#include "models/records/RecordMoment.h"
#include "models/solartime/MomentWords.h"
#include "ui/common/QtText.h"

#include <QSettings>
#include <QStandardPaths>

namespace ui {
namespace {

constexpr const char* kFileVariable = "CHENGSHU_SETTINGS";

// A value as the file holds it: its word, so that the file reads and survives a reordered enumeration; a word of
// another version keeps the default.
template <typename Value, std::size_t N>
QString wordOf(const std::array<models::words::ValueWords<Value>, N>& table, Value value)
{
    return toQt(models::words::of(table, value).tool);
}

template <typename Value, std::size_t N>
Value valueOf(const std::array<models::words::ValueWords<Value>, N>& table, const QString& word)
{
    return models::words::byTool(table, fromQt(word)).value_or(table[0].value);
}

QString key(const models::words::OptionNames& option)
{
    return QString::fromLatin1(option.settings.data(), static_cast<qsizetype>(option.settings.size()));
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
    p.layout = models::layoutOf(fromQt(s.value(QStringLiteral("chart/layout")).toString()));
    p.stars = s.value(QStringLiteral("chart/stars")).toBool();
    p.analysis = s.value(QStringLiteral("chart/analysis")).toBool();
    models::MomentOptions& o = p.moment;
    namespace w = models::words;
    const QString placeLongitude = s.value(QStringLiteral("moment/placeLongitude")).toString();
    o.place = models::placeOfLabel(fromQt(s.value(key(w::kPlaceOption)).toString()),
                                   placeLongitude.isEmpty() ? std::nullopt : std::optional(placeLongitude.toDouble()));
    bool ok = false;
    if (const double degrees = s.value(key(w::kLongitudeOption)).toDouble(&ok); ok && degrees >= -180 && degrees <= 180)
        o.longitude = degrees;
    o.zone = fromQt(s.value(key(w::kZoneOption)).toString());
    o.solarTime = valueOf(w::kSolarTimes, s.value(key(w::kSolarTimeOption)).toString());
    o.terms = valueOf(w::kTermMethods, s.value(key(w::kTermsOption)).toString());
    o.lateZi = valueOf(w::kLateZis, s.value(key(w::kLateZiOption)).toString());
    o.palaceYear = valueOf(w::kPalaceYears, s.value(key(w::kPalaceYearOption)).toString());
    return p;
}

void savePreferences(const models::ChartRequest& request)
{
    QSettings s = settings();
    namespace w = models::words;
    const models::MomentOptions& o = request.moment;
    s.setValue(QStringLiteral("chart/layout"), toQt(models::layoutWord(request.layout)));
    s.setValue(QStringLiteral("chart/stars"), request.stars);
    s.setValue(QStringLiteral("chart/analysis"), request.analysis);
    s.setValue(key(w::kPlaceOption), o.place ? toQt(models::placeLabel(*o.place)) : QString());
    s.setValue(QStringLiteral("moment/placeLongitude"),
               o.place ? toQt(models::degreesText(o.place->longitude)) : QString());
    s.setValue(key(w::kLongitudeOption), o.longitude ? QString::number(*o.longitude, 'f', 6) : QString());
    s.setValue(key(w::kZoneOption), toQt(o.zone));
    s.setValue(key(w::kSolarTimeOption), wordOf(w::kSolarTimes, o.solarTime));
    s.setValue(key(w::kTermsOption), wordOf(w::kTermMethods, o.terms));
    s.setValue(key(w::kLateZiOption), wordOf(w::kLateZis, o.lateZi));
    s.setValue(key(w::kPalaceYearOption), wordOf(w::kPalaceYears, o.palaceYear));
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
