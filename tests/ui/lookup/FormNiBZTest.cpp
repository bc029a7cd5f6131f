#include "ui/lookup/FormNiBZ.h"

#include "tests/ui/WidgetTesting.h"
#include "ui/common/QtText.h"
#include "ui/main/Form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using uitest::child;

namespace {

using namespace std::chrono;

using Pillars = std::array<const char*, 4>; // year, month, day, hour

// 2008-08-08 (the Olympic opening day) is 戊子年 庚申月 庚辰日; its 亥 hour on a 庚 day is 丁亥 (五鼠遁). The 戊子
// years are 1948 and 2008, so from 1951 on the first is 2008.
constexpr Pillars kOlympicEvening = {"戊子", "庚申", "庚辰", "丁亥"};
const local_seconds kOlympicEveningAt = local_days{2008y / 8 / 8} + 22h;

constexpr const char* kStemLists[] = {"ComboYearG", "ComboMonthG", "ComboDayG", "ComboHourG"};
constexpr const char* kBranchLists[] = {"ComboYearZ", "ComboMonthZ", "ComboDayZ", "ComboHourZ"};

QComboBox* combo(const QObject& window, const char* name)
{
    return child<QComboBox>(window, name);
}

// Picks the pillars and the first year as a user would, then presses 回推日期.
void lookUp(QWidget& window, const Pillars& pillars, const char* firstYear = "1951")
{
    for (std::size_t i = 0; i < pillars.size(); ++i) {
        const QString pillar = ui::toQt(pillars[i]);
        combo(window, kStemLists[i])->setCurrentText(pillar.left(1));
        combo(window, kBranchLists[i])->setCurrentText(pillar.right(1));
    }
    combo(window, "ComboStartYear")->setCurrentText(ui::toQt(firstYear));
    QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
}

QStringList shownLines(const QWidget& window)
{
    return child<QPlainTextEdit>(window, "Text1")->toPlainText().split(QLatin1Char('\n'));
}

class FormNiBZTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QPushButton* chartButton() const { return child<QPushButton>(window, "CommandPP"); }
    QLineEdit* foundTime() const { return child<QLineEdit>(window, "TextTime"); }

    std::vector<engine::LocalTime> carried;
    FormNiBZ window{[this](const engine::LocalTime& t) { carried.push_back(t); }};
};

TEST_F(FormNiBZTest, OpensOnGuiHaiIn1951WithChartingOff)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("八字回推"));
    for (const char* name : kStemLists) {
        SCOPED_TRACE(name);
        ASSERT_NE(combo(window, name), nullptr);
        EXPECT_EQ(combo(window, name)->count(), 10);
        EXPECT_EQ(combo(window, name)->itemText(0), QStringLiteral("甲"));
        EXPECT_EQ(combo(window, name)->currentText(), QStringLiteral("癸"));
    }
    for (const char* name : kBranchLists) {
        SCOPED_TRACE(name);
        ASSERT_NE(combo(window, name), nullptr);
        EXPECT_EQ(combo(window, name)->count(), 12);
        EXPECT_EQ(combo(window, name)->itemText(0), QStringLiteral("子"));
        EXPECT_EQ(combo(window, name)->currentText(), QStringLiteral("亥"));
    }
    QComboBox* years = combo(window, "ComboStartYear");
    ASSERT_NE(years, nullptr);
    EXPECT_EQ(years->count(), 199);
    EXPECT_EQ(years->itemText(0), QStringLiteral("1901"));
    EXPECT_EQ(years->itemText(198), QStringLiteral("2099"));
    EXPECT_EQ(years->currentText(), QStringLiteral("1951"));
    ASSERT_NE(chartButton(), nullptr);
    EXPECT_FALSE(chartButton()->isEnabled());
    ASSERT_NE(foundTime(), nullptr);
    EXPECT_TRUE(foundTime()->text().isEmpty());
    EXPECT_EQ(shownLines(window), (QStringList{QStringLiteral("八字对应日期"), QString()}));
}

TEST_F(FormNiBZTest, ControlsCarryTheirCaptions)
{
    const struct
    {
        const char* name;
        const char* caption;
    } kLabels[] = {
        {"Label1", "年柱"},   {"Label2", "月柱"},
        {"Label3", "日柱"},   {"Label4", "时柱"},
        {"Label6", "起始年"}, {"Label5", "备注：八字回推只推算1900-2099年内的距起始年后的最近数据。"},
    };
    for (const auto& c : kLabels) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(child<QLabel>(window, c.name), nullptr);
        EXPECT_EQ(child<QLabel>(window, c.name)->text(), ui::toQt(c.caption));
    }
    EXPECT_EQ(child<QGroupBox>(window, "Frame1")->title(), QStringLiteral("八字回推"));
    EXPECT_EQ(child<QPushButton>(window, "Command1")->text(), QStringLiteral("回推日期"));
    EXPECT_EQ(chartButton()->text(), QStringLiteral("排盘"));
}

TEST_F(FormNiBZTest, InputControlsHaveSpokenNames)
{
    const struct
    {
        const char* name;
        const char* spoken;
    } kControls[] = {
        {"ComboYearG", "年干"},       {"ComboMonthG", "月干"}, {"ComboDayG", "日干"},    {"ComboHourG", "时干"},
        {"ComboYearZ", "年支"},       {"ComboMonthZ", "月支"}, {"ComboDayZ", "日支"},    {"ComboHourZ", "时支"},
        {"ComboStartYear", "起始年"}, {"Text1", "回推结果"},   {"TextTime", "回推时间"},
    };
    for (const auto& c : kControls) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(child<QWidget>(window, c.name), nullptr);
        EXPECT_EQ(child<QWidget>(window, c.name)->accessibleName(), ui::toQt(c.spoken));
    }
}

TEST_F(FormNiBZTest, FoundMomentIsShownAndCanBeCharted)
{
    lookUp(window, kOlympicEvening);
    EXPECT_EQ(shownLines(window),
              (QStringList{QStringLiteral("八字："), QStringLiteral("年干支：戊子"), QStringLiteral("月干支：庚申"),
                           QStringLiteral("日干支：庚辰"), QStringLiteral("时干支：丁亥"), QString(),
                           QStringLiteral("回推结果：2008-08-08 22:00:00"), QString()}));
    EXPECT_EQ(foundTime()->text(), QStringLiteral("2008-08-08 22:00:00"));
    ASSERT_TRUE(chartButton()->isEnabled());

    QTest::mouseClick(chartButton(), Qt::LeftButton);
    EXPECT_EQ(carried, std::vector<engine::LocalTime>{kOlympicEveningAt});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(FormNiBZTest, LookupsWithoutAMomentSayWhyAndTurnChartingOff)
{
    const struct
    {
        Pillars pillars;
        const char* firstYear;
        const char* answer;
    } kCases[] = {
        {{"甲丑", "丙寅", "甲子", "甲子"}, "1951", "八字写错了啦，请检查一下"}, // 甲 and 丑 never meet in the cycle
        {{"甲子", "戊寅", "甲子", "甲子"}, "1951", "八字匹配不了，请检查一下"}, // a 甲 year's 寅 month is 丙寅
        {{"甲子", "丙寅", "乙丑", "甲子"}, "1951", "八字匹配不了，请检查一下"}, // an 乙 day's 子 hour is 丙子
        {{"甲子", "丙寅", "甲子", "甲子"}, "2045", "未找到数据"}, // 甲子 years: 1984, 2044; 2104 is past 2099
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.pillars[0]) + c.pillars[1] + c.pillars[2] + c.pillars[3] + " from " + c.firstYear);
        lookUp(window, kOlympicEvening); // a moment first: the next lookup must take it away
        ASSERT_TRUE(chartButton()->isEnabled());
        lookUp(window, c.pillars, c.firstYear);
        const QStringList lines = shownLines(window);
        ASSERT_EQ(lines.size(), 8);
        EXPECT_EQ(lines[1], QStringLiteral("年干支：") + ui::toQt(c.pillars[0]));
        EXPECT_EQ(lines[6], QStringLiteral("回推结果：") + ui::toQt(c.answer));
        EXPECT_FALSE(chartButton()->isEnabled());
        EXPECT_TRUE(foundTime()->text().isEmpty());
    }
    QTest::mouseClick(chartButton(), Qt::LeftButton);
    EXPECT_TRUE(carried.empty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(FormNiBZTest, ChartingAnEditedAwayMomentDoesNothing)
{
    lookUp(window, kOlympicEvening);
    foundTime()->setText(QStringLiteral("2008-08-08 25:00:00"));
    QTest::mouseClick(chartButton(), Qt::LeftButton);
    EXPECT_TRUE(carried.empty());
    EXPECT_TRUE(window.isVisible());
}

TEST(FormNiBZ, ChartingCarriesTheMomentIntoTheMainWindowAndCloses)
{
    QTemporaryDir programFolder;
    Form1 form{programFolder.path()};
    combo(form, "Combo1")->setCurrentText(QStringLiteral("农历")); // the carry switches the calendar back
    FormNiBZ window([&form](const engine::LocalTime& t) { form.setBirthMoment(t); }, &form);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    lookUp(window, kOlympicEvening);
    QTest::mouseClick(child<QPushButton>(window, "CommandPP"), Qt::LeftButton);

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    const struct
    {
        const char* name;
        int index;
        const char* text;
    } kLists[] = {
        {"Combo1", 0, "公历"}, {"Combo2", 108, "2008"}, {"Combo3", 7, "08"},
        {"Combo4", 7, "08"},   {"Combo5", 22, "22"},    {"Combo6", 0, "00"},
    };
    for (const auto& c : kLists) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(combo(form, c.name)->currentIndex(), c.index);
        EXPECT_EQ(combo(form, c.name)->currentText(), ui::toQt(c.text));
    }
    EXPECT_EQ(combo(form, "Combo4")->count(), 31); // August, rebuilt for the Gregorian calendar
}

} // namespace

namespace {

// 甲辰 辛未 辛未 戊子 from 2024: 小暑 2024 falls at 22:20 Beijing time by the Sun, so the 子 hour of 6 July already
// lies in the 辛未 month at 23:00; by the mean formula the month opens only at 23:55.
TEST(FormNiBZAstro, SearchesAgainstTheChosenTerms)
{
    FormNiBZ form{[](const engine::LocalTime&) {}};
    const std::array<std::pair<const char*, const char*>, 8> choices = {{
        {"ComboYearG", "甲"},
        {"ComboMonthG", "辛"},
        {"ComboDayG", "辛"},
        {"ComboHourG", "戊"},
        {"ComboYearZ", "辰"},
        {"ComboMonthZ", "未"},
        {"ComboDayZ", "未"},
        {"ComboHourZ", "子"},
    }};
    for (const auto& [list, text] : choices)
        uitest::child<QComboBox>(form, list)->setCurrentText(QString::fromUtf8(text));
    uitest::child<QComboBox>(form, "ComboStartYear")->setCurrentText(QStringLiteral("2024"));
    uitest::child<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(uitest::child<QLineEdit>(form, "TextTime")->text(), QStringLiteral("2024-07-06 23:55:00"));
    uitest::child<QCheckBox>(form, "CheckAstro")->setChecked(true);
    uitest::child<QPushButton>(form, "Command1")->click();
    EXPECT_EQ(uitest::child<QLineEdit>(form, "TextTime")->text(), QStringLiteral("2024-07-06 23:00:00"));
}

} // namespace
