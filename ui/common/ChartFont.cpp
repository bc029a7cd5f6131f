#include "ui/common/ChartFont.h"

#include "ui/common/QtText.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <cmath>

namespace ui {
namespace {

constexpr double kPointSize = 10.5;

// In order of preference; 宋体 appears under its Chinese or its English family name.
// clang-format off
constexpr const char* kFamilies[] = {
    "宋体",
    "SimSun",
    "NSimSun",
    "Noto Sans Mono CJK SC",
    "Noto Sans Mono CJK TC",
    "Noto Sans Mono CJK JP",
    "Sarasa Mono SC",
    "WenQuanYi Zen Hei Mono",
    "WenQuanYi Micro Hei Mono",
};
// clang-format on

QFont sized(const QString& family)
{
    QFont font(family);
    font.setPointSizeF(kPointSize);
    font.setStyleHint(QFont::TypeWriter);
    // Whole-pixel advances: fractional ones drift a little with every character and columns slide apart.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The font's own glyphs, not fallbacks, must give one column to ASCII and two to CJK.
bool alignsChartColumns(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal column = metrics.horizontalAdvance(QLatin1Char('0'));
    const auto spans = [&](const QString& text, int columns) {
        return std::abs(metrics.horizontalAdvance(text) - columns * column) < 0.01;
    };
    return column > 0 && metrics.inFontUcs4(U'中') && metrics.inFontUcs4(U'：') && spans(QStringLiteral("i"), 1) &&
           spans(QStringLiteral("W"), 1) && spans(QStringLiteral(" "), 1) && spans(QStringLiteral("中"), 2) &&
           spans(QStringLiteral("："), 2);
}

QFont pickChartFont()
{
    const QStringList installed = QFontDatabase::families();
    for (const char* name : kFamilies) {
        const QString family = ui::toQt(name);
        if (installed.contains(family, Qt::CaseInsensitive)) {
            const QFont font = sized(family);
            if (alignsChartColumns(font))
                return font;
        }
    }
    return sized(QStringLiteral("宋体")); // nothing suitable installed: the platform's substitute
}

} // namespace

QFont chartFont()
{
    static const QFont font = pickChartFont();
    return font;
}

} // namespace ui
