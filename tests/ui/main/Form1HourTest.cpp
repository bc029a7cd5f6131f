#include "tests/ui/main/Form1RecordsFixture.h"

#include <QCheckBox>

namespace {

using uitest::child;
using uitest::Form1RecordsTest;

QCheckBox* hourBox(const QWidget& form)
{
    return child<QCheckBox>(form, "CheckShi");
}

// The box sits at the birth row's end, whole inside the window, and a person ticks it to chart three pillars.
TEST_F(Form1RecordsTest, TheHourBoxShowsAndRestsTheHourAndMinuteLists)
{
    QCheckBox* box = hourBox(form);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_EQ(box->text(), QStringLiteral("时辰不详"));
    EXPECT_EQ(box->accessibleName(), QStringLiteral("时辰不详"));
    EXPECT_TRUE(form.centralWidget()->rect().contains(box->geometry()));
    EXPECT_FALSE(box->geometry().intersects(child<QWidget>(form, "CommandPicture")->geometry()));
    for (const bool ticked : {true, false, true}) {
        SCOPED_TRACE(ticked);
        box->setChecked(ticked);
        EXPECT_EQ(combo("Combo5")->isEnabled(), !ticked);
        EXPECT_EQ(combo("Combo6")->isEnabled(), !ticked);
        EXPECT_TRUE(combo("Combo4")->isEnabled()); // the date is still needed
    }
}

TEST_F(Form1RecordsTest, AChartOfUnknownHourIsSavedAndItsRecordTicksTheBoxAgain)
{
    hourBox(form)->setChecked(true);
    chartZhangSan();
    const QString chart = text("TexCont")->toPlainText();
    EXPECT_EQ(chart.split(QLatin1Char('\n')).at(1),
              QStringLiteral("出生公历：1990-05-12 时辰不详    农历：农历庚午年(马)四月十八"));
    EXPECT_TRUE(chart.contains(QStringLiteral("命宫：—")));
    trigger("mSave");
    hourBox(form)->setChecked(false);
    combo("Combo5")->setCurrentText(QStringLiteral("03"));
    text("TexCont")->clear();

    click(node(node(root(), QStringLiteral("其他")), QStringLiteral("张三")));
    EXPECT_EQ(text("TexCont")->toPlainText(), chart + QStringLiteral("\n")); // as stored
    EXPECT_TRUE(hourBox(form)->isChecked());
    EXPECT_FALSE(combo("Combo5")->isEnabled());
    EXPECT_EQ(combo("Combo5")->currentText(), QStringLiteral("12")); // noon, where the chart counted from
    // Charting again from the restored inputs gives the stored chart.
    EXPECT_TRUE(run([this] { QTest::mouseClick(child<QPushButton>(form, "Command1"), Qt::LeftButton); }).empty());
    EXPECT_EQ(text("TexCont")->toPlainText(), chart);
}

// A record with its hour unticks a box left ticked by the chart before it.
TEST_F(Form1RecordsTest, ARecordWithItsHourUnticksTheBox)
{
    chartZhangSan();
    trigger("mSave");
    hourBox(form)->setChecked(true);
    click(node(node(root(), QStringLiteral("其他")), QStringLiteral("张三")));
    EXPECT_FALSE(hourBox(form)->isChecked());
    EXPECT_TRUE(combo("Combo5")->isEnabled());
    EXPECT_EQ(combo("Combo5")->currentText(), QStringLiteral("08"));
}

} // namespace
