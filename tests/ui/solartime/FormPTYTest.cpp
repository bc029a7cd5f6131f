#include "ui/solartime/FormPTY.h"

#include "engine/support/Utf8.h"
#include "tests/ui/WidgetTesting.h"
#include "ui/common/QtText.h"

#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace {

TEST(FormPTY, ShowsHundredLinesFromHeaderToQuShui)
{
    FormPTY window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("平太阳时"));
    auto* text = uitest::child<QPlainTextEdit>(window, "TextPTY");
    ASSERT_NE(text, nullptr);
    const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 101); // every line ends with a line break
    EXPECT_EQ(lines.front(), QStringLiteral("地区     经度       时差"));
    EXPECT_EQ(lines[99], QStringLiteral("曲水     90度44分   -117分04秒"));
    EXPECT_TRUE(lines.back().isEmpty());
}

TEST(FormPTY, ColumnsLineUpInItsFont)
{
    FormPTY window;
    auto* text = uitest::child<QPlainTextEdit>(window, "TextPTY");
    ASSERT_NE(text, nullptr);
    const QFontMetricsF metrics(text->font());
    for (const QString& line : text->toPlainText().split(QLatin1Char('\n'))) {
        SCOPED_TRACE(ui::fromQt(line));
        EXPECT_NEAR(uitest::misalignment(metrics, line, engine::utf8::width(ui::fromQt(line))), 0.0, 0.01);
    }
}

} // namespace
