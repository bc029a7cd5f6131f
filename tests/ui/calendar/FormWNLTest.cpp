#include "ui/calendar/FormWNL.h"

#include "tests/ui/WidgetTesting.h"
#include "ui/common/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

using uitest::child;

namespace {

using namespace std::chrono;

engine::Clock clockAt(int y, unsigned m, unsigned d, int hour, int minute = 0)
{
    return [=] { return engine::LocalTime{local_days{year{y} / m / d}} + hours{hour} + minutes{minute}; };
}

// Wednesday 2024-05-22, 四月十五 of 甲辰, a 丙戌 day; the 1st of May is a Wednesday, so the 22nd is cell 24.
const engine::Clock kFixedNow = clockAt(2024, 5, 22, 8);
constexpr int kTodayCell = 24;

const QColor kTodayBack{219, 245, 240};
const QColor kClickedBack{240, 234, 250};
const QColor kWhite{255, 255, 255};

QLabel* member(const QWidget& window, const char* name, int index)
{
    for (auto* label : window.findChildren<QLabel*>(ui::toQt(name)))
        if (label->property("index").toInt() == index)
            return label;
    return nullptr;
}

QColor back(const QLabel* label)
{
    return label->palette().color(QPalette::Window);
}

QString text(const QWidget& window, const char* name)
{
    return child<QLabel>(window, name)->text();
}

// The lists and the four step buttons, as the window shows them.
models::ShownMonth shown(const QWidget& window)
{
    return {child<QComboBox>(window, "Combo_Year")->currentText().toInt(),
            child<QComboBox>(window, "Combo_Month")->currentText().toInt()};
}

models::NavButtons buttons(const QWidget& window)
{
    const auto enabled = [&](const char* name) { return child<QPushButton>(window, name)->isEnabled(); };
    return {enabled("CommandYearUp"), enabled("CommandYearDown"), enabled("CommandMonthUp"),
            enabled("CommandMonthDown")};
}

constexpr models::NavButtons kAllEnabled{true, true, true, true};
constexpr models::NavButtons kAtFirstMonth{false, true, false, true}; // nothing back
constexpr models::NavButtons kAtLastMonth{true, false, true, false};  // nothing forward

class FormWNLTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QComboBox* combo(const char* name) const { return child<QComboBox>(window, name); }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(window, name), Qt::LeftButton); }
    void clickDay(int cell) { QTest::mouseClick(member(window, "Label_Newli", cell), Qt::LeftButton); }

    // The way a user picks a month: the year list, then the month list.
    void pick(int year, int month)
    {
        combo("Combo_Year")->setCurrentText(QString::number(year));
        combo("Combo_Month")->setCurrentText(QString::number(month));
    }

    FormWNL window{kFixedNow};
};

TEST_F(FormWNLTest, OpensOnTheClocksMonthWithTodayTinted)
{
    EXPECT_EQ(window.windowTitle(), QStringLiteral("万年历"));
    EXPECT_EQ(combo("Combo_Year")->count(), 199); // 1901 to 2099
    EXPECT_EQ(shown(window), (models::ShownMonth{2024, 5}));
    EXPECT_EQ(text(window, "Label4"), QStringLiteral("建国76年 农历甲辰年 【龙年】"));
    EXPECT_EQ(member(window, "Label_Newli", 2)->text(), QString()); // April's tail is not shown
    EXPECT_EQ(member(window, "Label_Newli", 3)->text(), QStringLiteral("1"));
    EXPECT_EQ(member(window, "Label_Newli", kTodayCell)->text(), QStringLiteral("22"));
    EXPECT_EQ(member(window, "Label_Oldli", kTodayCell)->text(), QStringLiteral("今天"));
    for (int cell = 0; cell < 42; ++cell) {
        SCOPED_TRACE(cell);
        const QColor expected = cell == kTodayCell ? kTodayBack : kWhite;
        EXPECT_EQ(back(member(window, "Label_Newli", cell)), expected);
        EXPECT_EQ(back(member(window, "Label_Oldli", cell)), expected);
    }
    // The panel shows today.
    EXPECT_EQ(text(window, "LabelToday"), QStringLiteral("今天  "));
    EXPECT_EQ(text(window, "LabelYM"), QStringLiteral("2024年5月"));
    EXPECT_EQ(text(window, "LabelDay"), QStringLiteral("22"));
    EXPECT_EQ(text(window, "LabelWeek"), QStringLiteral("星期三"));
    EXPECT_EQ(text(window, "LabelNongYMD"), QStringLiteral("农历甲辰年 四月小十五日"));
    EXPECT_EQ(text(window, "LabelNongLi"), QStringLiteral("甲辰年 己巳月 丙戌日"));
    // The clock.
    EXPECT_EQ(text(window, "Label_Date"), QStringLiteral("2024-05-22"));
    EXPECT_EQ(text(window, "Label_Time"), QStringLiteral("08:00:00"));
    EXPECT_EQ(text(window, "Label_ShiChen"), QStringLiteral("(辰)"));
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(buttons(window), kAllEnabled);
}

struct Step
{
    const char* why;
    models::ShownMonth from;
    const char* button;
    models::ShownMonth to;
    int firstCell; // weekday of the 1st, by the calendar
    models::NavButtons buttons;
};

// clang-format off
const Step kSteps[] = {
    {"月↑ from 1901-02 reaches the first month", {1901, 2}, "CommandMonthUp", {1901, 1}, 2, kAtFirstMonth},
    {"月↓ from 2099-11 reaches the last month", {2099, 11}, "CommandMonthDown", {2099, 12}, 2, kAtLastMonth},
    {"年↑ to 1901-01 stops the month step too", {1902, 1}, "CommandYearUp", {1901, 1}, 2, kAtFirstMonth},
    {"月↓ over a year's end", {2023, 12}, "CommandMonthDown", {2024, 1}, 1, kAllEnabled},
    {"年↓ into 2099 keeps the month steps", {2098, 11}, "CommandYearDown", {2099, 11}, 0, {true, false, true, true}},
};
// clang-format on

TEST_F(FormWNLTest, StepButtonsStayWithinTheShownYears)
{
    for (const auto& c : kSteps) {
        SCOPED_TRACE(c.why);
        pick(c.from.year, c.from.month);
        click(c.button);
        EXPECT_EQ(shown(window), c.to);
        EXPECT_EQ(buttons(window), c.buttons);
        EXPECT_EQ(member(window, "Label_Newli", c.firstCell)->text(), QStringLiteral("1"));
        if (c.firstCell > 0) {
            EXPECT_EQ(member(window, "Label_Newli", c.firstCell - 1)->text(), QString());
        }
    }
    EXPECT_EQ(text(window, "Label4"), QStringLiteral("建国151年 农历己未年 【羊年】"));
}

TEST_F(FormWNLTest, ChoosingTheLastYearInTheList)
{
    combo("Combo_Year")->setCurrentText(QStringLiteral("2099"));
    EXPECT_EQ(text(window, "Label4"), QStringLiteral("建国151年 农历己未年 【羊年】"));
    EXPECT_EQ(buttons(window), (models::NavButtons{true, false, true, true})); // May 2099 may still step a month on
    // The panel keeps today until a day is clicked.
    EXPECT_EQ(text(window, "LabelYM"), QStringLiteral("2024年5月"));
}

TEST_F(FormWNLTest, ClickOnADayFillsThePanelAndOnAnEmptyCellOnlyClears)
{
    clickDay(27); // Saturday the 25th, 四月十八, 己丑
    EXPECT_EQ(back(member(window, "Label_Newli", 27)), kClickedBack);
    EXPECT_EQ(back(member(window, "Label_Oldli", 27)), kClickedBack);
    EXPECT_EQ(back(member(window, "Label_Newli", kTodayCell)), kWhite); // the today tint goes too
    EXPECT_EQ(text(window, "LabelDay"), QStringLiteral("25"));
    EXPECT_EQ(text(window, "LabelWeek"), QStringLiteral("星期六"));
    EXPECT_EQ(text(window, "LabelNongYMD"), QStringLiteral("农历甲辰年 四月小十八日"));
    EXPECT_EQ(text(window, "LabelNongLi"), QStringLiteral("甲辰年 己巳月 己丑日"));
    EXPECT_EQ(child<QLabel>(window, "LabelWeek")->palette().color(QPalette::WindowText), QColor(0, 132, 66));

    QTest::mouseClick(member(window, "Label_Oldli", 28), Qt::LeftButton); // the lower label does not answer
    EXPECT_EQ(text(window, "LabelDay"), QStringLiteral("25"));

    clickDay(0); // before the 1st
    for (int cell = 0; cell < 42; ++cell) {
        SCOPED_TRACE(cell);
        EXPECT_EQ(back(member(window, "Label_Newli", cell)), kWhite);
        EXPECT_EQ(back(member(window, "Label_Oldli", cell)), kWhite);
    }
    EXPECT_EQ(text(window, "LabelDay"), QStringLiteral("25"));
    EXPECT_EQ(text(window, "LabelNongLi"), QStringLiteral("甲辰年 己巳月 己丑日"));
}

TEST_F(FormWNLTest, TodayButtonReturnsToTodaysMonthAndDay)
{
    pick(1901, 1);
    clickDay(6); // Saturday 1901-01-05: green
    click("CommandToday");
    // A Wednesday: black again, not the green of the Saturday clicked before.
    for (const char* label : {"LabelDay", "LabelWeek"})
        EXPECT_EQ(child<QLabel>(window, label)->palette().color(QPalette::WindowText), QColor(0, 0, 0)) << label;
    EXPECT_EQ(shown(window), (models::ShownMonth{2024, 5}));
    EXPECT_EQ(back(member(window, "Label_Newli", kTodayCell)), kTodayBack);
    EXPECT_EQ(text(window, "LabelYM"), QStringLiteral("2024年5月"));
    EXPECT_EQ(text(window, "LabelDay"), QStringLiteral("22"));
    EXPECT_EQ(buttons(window), kAllEnabled); // 1901-01 no longer holds the steps back
}

struct ClockCase
{
    const char* why;
    engine::Clock now;
    models::ShownMonth shown;
    const char* shiChen;
    models::NavButtons buttons;
};

TEST(FormWNL, ClockOutsideTheShownYearsOrAtTheDoubleHoursEdge)
{
    const ClockCase kClocks[] = {
        {"23:30 already belongs to 子", clockAt(2024, 2, 10, 23, 30), {2024, 2}, "(子)", kAllEnabled},
        {"a clock past 2099 shows the last month", clockAt(2100, 3, 10, 12), {2099, 12}, "(午)", kAtLastMonth},
        {"a clock before 1901 shows the first month", clockAt(1900, 6, 1, 12), {1901, 1}, "(午)", kAtFirstMonth},
    };
    for (const auto& c : kClocks) {
        SCOPED_TRACE(c.why);
        FormWNL window{c.now};
        EXPECT_EQ(shown(window), c.shown);
        EXPECT_EQ(buttons(window), c.buttons);
        EXPECT_EQ(text(window, "Label_ShiChen"), ui::toQt(c.shiChen));
    }
}

} // namespace

namespace {

// The grid cell that names the term, or -1.
int cellNaming(const QWidget& window, const QString& term)
{
    for (auto* label : window.findChildren<QLabel*>())
        if (label->property("index").isValid() && label->text().contains(term))
            return label->property("index").toInt();
    return -1;
}

// 处暑 2024 falls on 22 August by the Sun, on 23 August by the mean formula: the choice moves the marked day, and back.
TEST_F(FormWNLTest, TheAstronomicalTermChoiceMovesTheTermDay)
{
    child<QComboBox>(window, "Combo_Year")->setCurrentText(QStringLiteral("2024"));
    child<QComboBox>(window, "Combo_Month")->setCurrentText(QStringLiteral("8"));
    const int mean = cellNaming(window, QStringLiteral("处暑"));
    ASSERT_GE(mean, 0);
    auto* astro = child<QCheckBox>(window, "CheckAstro");
    astro->setChecked(true);
    EXPECT_EQ(cellNaming(window, QStringLiteral("处暑")), mean - 1);
    EXPECT_EQ(shown(window), (models::ShownMonth{2024, 8})); // the same month, repainted
    astro->setChecked(false);
    EXPECT_EQ(cellNaming(window, QStringLiteral("处暑")), mean);
}

} // namespace
