#include "ui/main/BirthPlacePanel.h"

#include "models/records/RecordMoment.h"
#include "models/solartime/MomentWords.h"
#include "models/solartime/SummerTimeHint.h"
#include "ui/common/QtText.h"
#include "ui/common/WidgetBuilders.h"

#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include <array>

namespace ui {
namespace {

constexpr std::size_t kMatches = 20;
const QString kFixedZone = QStringLiteral("UTC+8（固定）");

// The panel's lists show the options' values in the order of their word tables, by their panel words.
template <typename Value, std::size_t N> using Choices = std::array<models::words::ValueWords<Value>, N>;

template <typename Value, std::size_t N>
QComboBox* choiceList(QWidget* parent, const char* name, const char* accessible, const Choices<Value, N>& choices)
{
    auto* combo = named(new QComboBox(parent), name);
    combo->setAccessibleName(toQt(accessible));
    for (const auto& choice : choices)
        combo->addItem(toQt(choice.panel));
    return combo;
}

template <typename Value, std::size_t N> Value chosen(const QComboBox* combo, const Choices<Value, N>& choices)
{
    const int i = combo->currentIndex();
    return i >= 0 && i < static_cast<int>(N) ? choices[static_cast<std::size_t>(i)].value : choices[0].value;
}

template <typename Value, std::size_t N> void choose(QComboBox* combo, const Choices<Value, N>& choices, Value value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (choices[i].value == value)
            combo->setCurrentIndex(static_cast<int>(i));
}

// Degrees east as typed: a number in -180..180, else nothing.
std::optional<double> typedLongitude(const QString& text)
{
    bool ok = false;
    const double degrees = text.trimmed().toDouble(&ok);
    if (!ok || degrees < -180 || degrees > 180)
        return std::nullopt;
    return degrees;
}

QString label(const models::Place& place)
{
    return toQt(models::placeLabel(place));
}

} // namespace

BirthPlacePanel::BirthPlacePanel(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("BirthPlacePanel"));
    setWindowTitle(QStringLiteral("出生地与真太阳时"));
    buildControls();
}

void BirthPlacePanel::buildControls()
{
    // Created in the order Tab visits them.
    buildPlace();
    buildChoices();
    buildSummerLine();
    layOut();
    connect(m_placeEdit, &QLineEdit::textEdited, this, &BirthPlacePanel::placeEdited);
    connect(m_completer, qOverload<const QString&>(&QCompleter::activated), this, &BirthPlacePanel::placeActivated);
    connect(m_useChina, &QPushButton::clicked, this, &BirthPlacePanel::useChinaZone);
}

// The place with its completer, and the longitude and zone it fills in.
void BirthPlacePanel::buildPlace()
{
    m_placeEdit = named(new QLineEdit(this), "birthPlace");
    m_placeEdit->setAccessibleName(QStringLiteral("出生地"));
    m_placeEdit->setPlaceholderText(QStringLiteral("乌鲁木齐、wulumuqi、wlmq 或 Urumqi"));
    m_matchModel = new QStringListModel(this);
    m_completer = new QCompleter(m_matchModel, this);
    m_completer->setObjectName(QStringLiteral("placeCompleter"));
    // The table's search already matched pinyin and initials; the popup shows its rows as they are.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(static_cast<int>(kMatches));
    m_placeEdit->setCompleter(m_completer);
    m_longitude = named(new QLineEdit(this), "longitude");
    m_longitude->setAccessibleName(QStringLiteral("经度"));
    m_longitude->setPlaceholderText(QStringLiteral("东经为正，如 87.62"));
    m_zone = named(new QComboBox(this), "timeZone");
    m_zone->setAccessibleName(QStringLiteral("时区"));
    m_zone->setEditable(true); // any IANA zone may be typed
    m_zone->addItems({kFixedZone, toQt(models::kChinaZone)});
}

void BirthPlacePanel::buildChoices()
{
    m_solarTime = choiceList(this, "solarTime", "太阳时", models::words::kSolarTimes);
    m_terms = choiceList(this, "termMethod", "节气算法", models::words::kTermMethods);
    m_lateZi = choiceList(this, "lateZi", "子时", models::words::kLateZis);
    m_palaceYear = choiceList(this, "palaceYear", "宫干", models::words::kPalaceYears);
}

// Hidden until a birth of China's summer-time years is read on the fixed UTC+8.
void BirthPlacePanel::buildSummerLine()
{
    m_summerHint = named(new QLabel(this), "summerTimeHint");
    m_summerHint->setWordWrap(true);
    m_useChina = named(new QPushButton(QStringLiteral("改用 Asia/Shanghai"), this), "useChinaZone");
    m_summerHint->hide();
    m_useChina->hide();
}

// The place, longitude and zone as a form; the three choices in a row; the summer-time line under them.
void BirthPlacePanel::layOut()
{
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("出生地："), m_placeEdit);
    form->addRow(QStringLiteral("经度："), m_longitude);
    form->addRow(QStringLiteral("时区："), m_zone);
    auto* choices = new QHBoxLayout;
    for (QWidget* w : std::array<QWidget*, 4>{m_solarTime, m_terms, m_lateZi, m_palaceYear})
        choices->addWidget(w);
    auto* hint = new QHBoxLayout;
    hint->addWidget(m_summerHint, 1);
    hint->addWidget(m_useChina);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(choices);
    column->addLayout(hint);
}

void BirthPlacePanel::placeEdited(const QString& text)
{
    m_matches = models::findPlaces(fromQt(text), kMatches);
    QStringList labels;
    for (const models::Place* place : m_matches)
        labels << label(*place);
    m_matchModel->setStringList(labels);
    // A whole name or a listed label chooses without the popup; other text is no place yet, so nothing stale is
    // charted under it.
    const std::string typed = fromQt(text.trimmed());
    const models::Place* exact = typed.empty() ? nullptr : models::findPlace(typed);
    choosePlace(exact ? exact : models::placeOfLabel(typed));
}

void BirthPlacePanel::placeActivated(const QString& text)
{
    for (const models::Place* place : m_matches)
        if (label(*place) == text)
            return choosePlace(place);
}

// A place fills its longitude and offers its zone: China's legal clock for Xinjiang, as the chart reads it.
void BirthPlacePanel::choosePlace(const models::Place* place)
{
    m_place = place;
    if (!place) {
        m_longitude->clear();
        setZone(kFixedZone);
        return;
    }
    m_longitude->setText(toQt(models::degreesText(place->longitude)));
    models::MomentOptions placeOnly;
    placeOnly.place = place;
    setZone(toQt(placeOnly.effectiveZone()));
}

void BirthPlacePanel::setZone(const QString& zone)
{
    const QString shown = zone.isEmpty() ? kFixedZone : zone;
    if (m_zone->findText(shown) < 0)
        m_zone->addItem(shown);
    m_zone->setCurrentIndex(m_zone->findText(shown));
}

void BirthPlacePanel::useChinaZone()
{
    setZone(toQt(models::kChinaZone));
    if (m_hasBirth)
        noteBirth(m_lastBirth);
}

models::MomentOptions BirthPlacePanel::options() const
{
    models::MomentOptions o;
    o.place = m_place;
    const QString zone = m_zone->currentText().trimmed();
    if (zone != kFixedZone)
        o.zone = fromQt(zone);
    if (const auto typed = typedLongitude(m_longitude->text())) {
        // The place's own longitude stays unrounded; a changed one is the village's.
        if (!m_place || models::degreesText(*typed) != models::degreesText(m_place->longitude))
            o.longitude = typed;
    }
    o.solarTime = chosen(m_solarTime, models::words::kSolarTimes);
    o.terms = chosen(m_terms, models::words::kTermMethods);
    o.lateZi = chosen(m_lateZi, models::words::kLateZis);
    o.palaceYear = chosen(m_palaceYear, models::words::kPalaceYears);
    return o;
}

void BirthPlacePanel::setOptions(const models::MomentOptions& o)
{
    m_place = o.place;
    m_placeEdit->setText(o.place ? label(*o.place) : QString());
    const auto longitude = o.effectiveLongitude();
    m_longitude->setText(longitude ? toQt(models::degreesText(*longitude)) : QString());
    setZone(toQt(o.effectiveZone()));
    choose(m_solarTime, models::words::kSolarTimes, o.solarTime);
    choose(m_terms, models::words::kTermMethods, o.terms);
    choose(m_lateZi, models::words::kLateZis, o.lateZi);
    choose(m_palaceYear, models::words::kPalaceYears, o.palaceYear);
}

bool BirthPlacePanel::noteBirth(engine::LocalTime clock)
{
    m_lastBirth = clock;
    m_hasBirth = true;
    const bool misses = models::missesChinaSummerTime(clock, options());
    m_summerHint->setText(misses ? toQt(models::kSummerTimeHint) : QString());
    m_summerHint->setVisible(misses);
    m_useChina->setVisible(misses);
    return misses;
}

} // namespace ui
