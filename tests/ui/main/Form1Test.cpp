#include "ui/main/Form1.h"

#include "engine/support/Utf8.h"
#include "tests/models/chart/Listed.h"
#include "tests/ui/main/Form1Fixture.h"
#include "ui/common/QtText.h"
#include "ui/common/Twips.h"
#include "ui/solartime/FormPTY.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using uitest::child;
using uitest::closingModals;
using uitest::SeenMessage;

namespace {

class Form1Test : public uitest::Form1Fixture
{
protected:
    QPlainTextEdit* chart() const { return child<QPlainTextEdit>(form, "TexCont"); }

    QRadioButton* optSex(int index) const
    {
        for (auto* button : form.findChildren<QRadioButton*>(QStringLiteral("OptSex")))
            if (button->property("index").toInt() == index)
                return button;
        return nullptr;
    }

    QStringList items(const char* name) const
    {
        QStringList texts;
        for (int i = 0; i < combo(name)->count(); ++i)
            texts << combo(name)->itemText(i);
        return texts;
    }

    // Presses the chart button and returns the message boxes it showed.
    std::vector<SeenMessage> pressChart() const
    {
        return messagesOf([this] { QTest::mouseClick(child<QPushButton>(form, "Command1"), Qt::LeftButton); });
    }
};

TEST_F(Form1Test, StartsAtGregorian1980FirstOfJanuaryAt0101Vertical)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("澄枢八字排盘"));
    const struct
    {
        const char* name;
        const char* text;
        int count;
    } kCombos[] = {
        {"Combo1", "公历", 2}, {"Combo2", "1980", 200}, {"Combo3", "01", 12},    {"Combo4", "01", 31},
        {"Combo5", "01", 24},  {"Combo6", "01", 60},    {"ComboPai", "竖排", 2},
    };
    for (const auto& c : kCombos) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(combo(c.name), nullptr);
        EXPECT_EQ(combo(c.name)->currentText(), ui::toQt(c.text));
        EXPECT_EQ(combo(c.name)->count(), c.count);
    }
    EXPECT_EQ(items("Combo1"), (QStringList{QStringLiteral("公历"), QStringLiteral("农历")}));
    EXPECT_EQ(items("ComboPai"), (QStringList{QStringLiteral("竖排"), QStringLiteral("横排")}));
    EXPECT_TRUE(combo("ComboPai")->isEditable());
    EXPECT_EQ(items("Combo2").front(), QStringLiteral("1900"));
    EXPECT_EQ(items("Combo2").back(), QStringLiteral("2099"));
    EXPECT_EQ(items("Combo5").front(), QStringLiteral("00"));
    ASSERT_NE(optSex(0), nullptr);
    EXPECT_TRUE(optSex(0)->isChecked());
    EXPECT_TRUE(chart()->toPlainText().isEmpty());
}

TEST_F(Form1Test, ControlsCarryTheirCaptions)
{
    const struct
    {
        const char* name;
        const char* caption;
    } kLabels[] = {
        {"Label1", "姓   名："}, {"Label2", "出生时间："},
        {"Label3", "年"},        {"Label4", "月"},
        {"Label5", "日"},        {"Label6", "时"},
        {"Label7", "分"},        {"LabelMark", "备注信息："},
        {"Panel1", "状态信息"},  {"Panel2", "澄枢网（https://www.chengshu.org/）"},
    };
    for (const auto& c : kLabels) {
        SCOPED_TRACE(c.name);
        auto* label = child<QLabel>(form, c.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), ui::toQt(c.caption));
    }
    EXPECT_EQ(child<QPushButton>(form, "Command1")->text(), QStringLiteral("八字排盘"));
    EXPECT_EQ(child<QCheckBox>(form, "CheckShen")->text(), QStringLiteral("神煞"));
    EXPECT_EQ(optSex(0)->text(), QStringLiteral("男"));
    EXPECT_EQ(optSex(1)->text(), QStringLiteral("女"));
    for (const char* name : {"TxtName", "TextMark", "TreeView1", "StatusBar1"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(child<QWidget>(form, name), nullptr);
    }
}

TEST_F(Form1Test, FixedControlsKeepTheirDesignPlace)
{
    if (form.screen()->logicalDotsPerInch() != 96)
        GTEST_SKIP() << "positions below are worked out for 96 dpi";
    // Twips divided by 15.
    const struct
    {
        const char* name;
        QRect pixels;
    } kPlaces[] = {
        {"TxtName", {88, 7, 137, 26}},   // 1320, 105, 2055, 390
        {"Combo1", {96, 48, 57, 20}},    // 1440, 720, 855, 300
        {"Combo6", {488, 48, 57, 20}},   // 7320, 720, 855, 300
        {"Command1", {576, 48, 65, 25}}, // 8640, 720, 975, 375
        {"CheckShen", {448, 8, 65, 17}}, // 6720, 120, 975, 255
    };
    for (const auto& c : kPlaces) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(child<QWidget>(form, c.name)->geometry(), c.pixels);
    }
}

TEST_F(Form1Test, MenusCarryCaptionsAndAccelerators)
{
    const struct
    {
        const char* name;
        const char* caption;
        bool enabled;
    } kItems[] = {
        {"mSave", "保存记录", true},   {"mExit", "退出系统", true},  {"mPing", "平太阳时", true},
        {"mWNL", "万年历", true},      {"mNiBZ", "八字回推", true},  {"mHome", "澄枢网", true},
        {"mPaiPan", "在线排盘", true}, {"mAbout", "关于排盘", true},
    };
    for (const auto& c : kItems) {
        SCOPED_TRACE(c.name);
        auto* action = child<QAction>(form, c.name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), ui::toQt(c.caption));
        EXPECT_EQ(action->isEnabled(), c.enabled);
    }
    QStringList titles;
    for (QAction* menu : form.menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("文件(&F)"), QStringLiteral("辅助工具(&T)"),
                                   QStringLiteral("网站(&W)"), QStringLiteral("帮助(&H)")}));
    EXPECT_TRUE(child<QAction>(form, "mGe2")->isSeparator());
    QStringList fileItems; // a separator reads as an empty text
    for (QAction* item : child<QMenu>(form, "menuFile")->actions())
        fileItems << item->text();
    EXPECT_EQ(fileItems, (QStringList{QStringLiteral("保存记录"), QString(), QStringLiteral("打印…"),
                                      QStringLiteral("打印预览…"), QStringLiteral("导出PDF…"),
                                      QStringLiteral("导出图片…"), QString(), QStringLiteral("退出系统")}));
}

TEST_F(Form1Test, LunarYearListsItsLeapMonth)
{
    combo("Combo1")->setCurrentText(QStringLiteral("农历"));
    combo("Combo2")->setCurrentText(QStringLiteral("2020")); // 闰四月
    const QStringList months = items("Combo3");
    ASSERT_EQ(months.size(), 13);
    EXPECT_EQ(months.mid(3, 3), (QStringList{QStringLiteral("04"), QStringLiteral("04闰"), QStringLiteral("05")}));
    EXPECT_EQ(combo("Combo4")->count(), 29); // 正月 of 2020
    combo("Combo3")->setCurrentText(QStringLiteral("04闰"));
    EXPECT_EQ(combo("Combo4")->count(), 29); // 闰四月初一 2020-05-23 to 五月初一 2020-06-21
    combo("Combo3")->setCurrentText(QStringLiteral("04"));
    EXPECT_EQ(combo("Combo4")->count(), 30);
}

TEST_F(Form1Test, GregorianFebruaryFollowsTheLeapYearRule)
{
    const struct
    {
        const char* year;
        int days;
    } kYears[] = {
        {"2000", 29}, // divisible by 400
        {"1900", 28}, // divisible by 100 only
        {"1984", 29},
        {"1983", 28},
    };
    for (const auto& c : kYears) {
        SCOPED_TRACE(c.year);
        combo("Combo2")->setCurrentText(ui::toQt(c.year));
        combo("Combo3")->setCurrentText(QStringLiteral("02"));
        EXPECT_EQ(items("Combo4").size(), c.days);
        EXPECT_EQ(items("Combo4").back(), QString::number(c.days));
    }
}

TEST_F(Form1Test, ChangingCalendarOrYearResetsMonthAndDay)
{
    const std::vector<std::function<void()>> kChanges = {
        [this] { combo("Combo1")->setCurrentText(QStringLiteral("农历")); },
        [this] { combo("Combo1")->setCurrentText(QStringLiteral("公历")); },
        [this] { combo("Combo2")->setCurrentText(QStringLiteral("1999")); },
    };
    for (std::size_t i = 0; i < kChanges.size(); ++i) {
        SCOPED_TRACE(i);
        combo("Combo3")->setCurrentText(QStringLiteral("05"));
        combo("Combo4")->setCurrentText(QStringLiteral("10"));
        ASSERT_EQ(combo("Combo4")->currentText(), QStringLiteral("10"));
        kChanges[i]();
        EXPECT_EQ(combo("Combo3")->currentIndex(), 0);
        EXPECT_EQ(combo("Combo3")->currentText(), QStringLiteral("01"));
        EXPECT_EQ(combo("Combo4")->currentIndex(), 0);
        EXPECT_EQ(combo("Combo4")->currentText(), QStringLiteral("01"));
    }
}

TEST_F(Form1Test, ChartButtonShowsTheChartModelsText)
{
    // The lists as a person sets them.
    const struct
    {
        const char* why;
        const char* name;
        bool male, lunar;
        const char *year, *month, *day, *hour, *minute, *layout;
        bool stars;
    } kRequests[] = {
        {"defaults with a name", "张三", true, false, "1980", "01", "01", "01", "01", "竖排", false},
        {"lunar leap month, female, horizontal, stars, padded name", "  李四 ", false, true, "2020", "04闰", "15", "08",
         "30", "横排", true},
    };
    for (const auto& c : kRequests) {
        SCOPED_TRACE(c.why);
        const auto& r = c;
        child<QLineEdit>(form, "TxtName")->setText(ui::toQt(r.name));
        optSex(r.male ? 0 : 1)->setChecked(true);
        combo("Combo1")->setCurrentText(r.lunar ? QStringLiteral("农历") : QStringLiteral("公历"));
        combo("Combo2")->setCurrentText(ui::toQt(r.year));
        combo("Combo3")->setCurrentText(ui::toQt(r.month));
        combo("Combo4")->setCurrentText(ui::toQt(r.day));
        combo("Combo5")->setCurrentText(ui::toQt(r.hour));
        combo("Combo6")->setCurrentText(ui::toQt(r.minute));
        combo("ComboPai")->setCurrentText(ui::toQt(r.layout));
        child<QCheckBox>(form, "CheckShen")->setChecked(r.stars);
        child<QPlainTextEdit>(form, "TextMark")->setPlainText(QStringLiteral("旧备注"));

        EXPECT_TRUE(pressChart().empty());
        const auto request =
            worked::listed(r.name, r.male, r.lunar, r.year, r.month, r.day, r.hour, r.minute, r.layout, r.stars);
        const auto made = models::chartOf(request, engine::systemClock());
        ASSERT_TRUE(std::holds_alternative<models::Chart>(made));
        // The text box keeps paragraphs; with CR LF restored it is the model's text byte for byte.
        EXPECT_EQ(ui::fromQt(chart()->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"))),
                  models::chartText(std::get<models::Chart>(made)));
        EXPECT_TRUE(child<QPlainTextEdit>(form, "TextMark")->toPlainText().isEmpty());
    }
}

TEST_F(Form1Test, ChartColumnsLineUpOnScreen)
{
    child<QLineEdit>(form, "TxtName")->setText(QStringLiteral("张三"));
    child<QCheckBox>(form, "CheckShen")->setChecked(true);
    ASSERT_TRUE(pressChart().empty());
    const QFontMetricsF metrics(chart()->font());
    EXPECT_EQ(QFontInfo(chart()->font()).family(), chart()->font().family()); // no substitute font
    const QStringList lines = chart()->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 30);
    for (const QString& line : lines) {
        SCOPED_TRACE(ui::fromQt(line));
        EXPECT_NEAR(uitest::misalignment(metrics, line, engine::utf8::width(ui::fromQt(line))), 0.0, 0.01);
    }
}

TEST_F(Form1Test, BlankNameWarnsAndKeepsTheChart)
{
    child<QLineEdit>(form, "TxtName")->setText(QStringLiteral("张三"));
    ASSERT_TRUE(pressChart().empty());
    const QString before = chart()->toPlainText();
    ASSERT_FALSE(before.isEmpty());
    for (const QString& name : {QString(), QStringLiteral("   ")}) {
        SCOPED_TRACE(name.size());
        child<QLineEdit>(form, "TxtName")->setText(name);
        const auto seen = pressChart();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
        EXPECT_EQ(seen[0].text, QStringLiteral("请输入姓名"));
        EXPECT_EQ(chart()->toPlainText(), before);
    }
}

TEST_F(Form1Test, DateOutsideTheTablesEndsInAMessageAndAUsableWindow)
{
    child<QLineEdit>(form, "TxtName")->setText(QStringLiteral("张三"));
    combo("Combo2")->addItem(QStringLiteral("2100")); // no list offers it; code could
    const int listMessages = closingModals([this] { combo("Combo2")->setCurrentText(QStringLiteral("2100")); });
    EXPECT_EQ(listMessages, 1);
    const auto seen = pressChart();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
    EXPECT_TRUE(chart()->toPlainText().isEmpty());

    combo("Combo2")->setCurrentText(QStringLiteral("1990"));
    EXPECT_TRUE(pressChart().empty());
    EXPECT_TRUE(chart()->toPlainText().startsWith(QStringLiteral("姓名：张三")));
}

TEST_F(Form1Test, ShrinkingSnapsBackToTheFloor)
{
    const int menu = form.menuBar()->height();
    form.resize(300, 200);
    uitest::settle();
    // 11000 twips outer width less two borders; 7000 twips outer height less caption, menu bar and borders.
    EXPECT_EQ(form.width(), ui::twips(11000 - 120));
    EXPECT_EQ(form.height() - menu, ui::twips(7000 - 750));

    const QSize roomy(ui::twips(12000), ui::twips(9000) + menu); // above the floor: kept
    form.resize(roomy);
    uitest::settle();
    EXPECT_EQ(form.size(), roomy);
}

TEST_F(Form1Test, ChartAndRemarkFollowTheWindowSize)
{
    const auto geometryOf = [this](const char* name) { return child<QWidget>(form, name)->geometry(); };
    const QRect chartBefore = geometryOf("TexCont");
    const QRect markBefore = geometryOf("TextMark");
    const QRect labelBefore = geometryOf("LabelMark");
    const QRect treeBefore = geometryOf("TreeView1");
    const QRect commandBefore = geometryOf("Command1");
    form.resize(form.size() + QSize(100, 60));
    uitest::settle();
    EXPECT_EQ(geometryOf("TexCont"), chartBefore.adjusted(0, 0, 100, 60));
    EXPECT_EQ(geometryOf("TextMark"), markBefore.translated(0, 60).adjusted(0, 0, 100, 0));
    EXPECT_EQ(geometryOf("LabelMark"), labelBefore.translated(0, 60));
    EXPECT_EQ(geometryOf("TreeView1"), treeBefore.adjusted(0, 0, 0, 60));
    EXPECT_EQ(geometryOf("Command1"), commandBefore);
    // The remark box ends just above the status bar, the chart box just before the right edge.
    EXPECT_LE(geometryOf("TextMark").bottom(), form.centralWidget()->height());
    EXPECT_LE(geometryOf("TexCont").right(), form.centralWidget()->width());
}

} // namespace

namespace {

// The default chart with its stars shows whole where the screen is tall enough; where it is not, the window takes
// the screen's free height and no more.
TEST_F(Form1Test, DefaultWindowShowsTheWholeStarChart)
{
    child<QLineEdit>(form, "TxtName")->setText(QStringLiteral("张三"));
    child<QCheckBox>(form, "CheckShen")->setChecked(true);
    EXPECT_TRUE(pressChart().empty());
    const int lines = chart()->document()->blockCount();
    EXPECT_GE(lines, 30); // a chart with stars, not a message
    const int shown = chart()->viewport()->height() / chart()->fontMetrics().lineSpacing();
    const QRect area = form.screen()->availableGeometry();
    EXPECT_LE(form.height(), area.height());
    if (form.height() < area.height() - 40) {
        EXPECT_GE(shown, lines);
    } else {
        EXPECT_GT(shown, 20) << "window " << form.height() << " of " << area.height();
    }
}

} // namespace
