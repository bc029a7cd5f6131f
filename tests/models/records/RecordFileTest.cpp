#include "models/records/RecordFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace std::chrono;

namespace {

// The first rows of a chart as the chart button writes them, and its last row with the two empty lines after it.
const std::string kChart = "姓名：张三       性别：男\r\n"
                           "出生公历：1990-05-12 08:30:00    农历：农历庚午年(马)四月十八\r\n"
                           "\r\n"
                           "流年：  甲子\r\n"
                           "\r\n"
                           "\r\n";

TEST(RecordFile, FreshSaveHoldsThreeEmptyLinesBeforeTheRemarkLabel)
{
    const std::string text = models::composeRecord(kChart, "第一行\n第二行");
    EXPECT_EQ(text, kChart + "\r\n备注：\r\n第一行\r\n第二行\r\n");
    EXPECT_NE(text.find("甲子\r\n\r\n\r\n\r\n备注：\r\n"), std::string::npos);
}

TEST(RecordFile, LineEndsBecomeCrLf)
{
    const struct
    {
        const char* why;
        std::string chart;
        std::string remark;
        std::string file;
    } kCases[] = {
        {"LF from a text box", "a\nb\n", "r", "a\r\nb\r\n\r\n备注：\r\nr\r\n"},
        {"CR LF kept, not doubled", "a\r\n", "r\r\n", "a\r\n\r\n备注：\r\nr\r\n\r\n"},
        {"lone CR", "a\rb", "", "a\r\nb\r\n备注：\r\n\r\n"},
        {"empty chart and remark", "", "", "\r\n备注：\r\n\r\n"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(models::composeRecord(c.chart, c.remark), c.file);
    }
}

TEST(RecordFile, ShowAddsOneEmptyLineToChartAndRemark)
{
    const auto record = models::parseRecord(models::composeRecord(kChart, "第一行\n第二行"));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->chart, kChart + "\r\n");
    EXPECT_EQ(record->remark, "第一行\r\n第二行\r\n"); // the text box shows an empty last line
    EXPECT_EQ(record->sex, "男");
    EXPECT_EQ(record->birth, local_days{year{1990} / 5 / 12} + hours{8} + minutes{30});

    // Saved again as shown, the remark keeps that line and gains none but the file's own line end.
    const auto again = models::parseRecord(models::composeRecord(record->chart, record->remark));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->remark, "第一行\r\n第二行\r\n\r\n");
    EXPECT_EQ(again->chart, kChart + "\r\n\r\n");
}

TEST(RecordFile, ReadsTheBirthDataOrRefusesTheFile)
{
    const std::string line1 = "姓名：李四       性别：女\n";
    const struct
    {
        const char* why;
        std::string file;
        bool shown;
        const char* sex;
        std::optional<local_seconds> birth;
        bool hourUnknown = false;
    } kCases[] = {
        {"LF line ends", line1 + "出生公历：2000-02-29 23:59:00    农历：农历己卯年\n备注：\n", true, "女",
         local_days{year{2000} / 2 / 29} + hours{23} + minutes{59}},
        {"date without a time is midnight", line1 + "出生公历：1984-03-02    农历：x\n", true, "女",
         local_days{year{1984} / 3 / 2}},
        {"a date and 时辰不详: noon of that day, as the chart of an unknown hour takes it",
         line1 + "出生公历：1984-03-02 时辰不详    农历：x\n", true, "女", local_days{year{1984} / 3 / 2} + hours{12},
         true},
        {"时辰不详 after a whole time is no birth the chart writes",
         line1 + "出生公历：1984-03-02 16:25:00 时辰不详    农历：x\n", true, "女", std::nullopt},
        {"时辰不详 without a date", line1 + "出生公历：时辰不详    农历：x\n", true, "女", std::nullopt},
        {"时辰不详 glued to the date", line1 + "出生公历：1984-03-02时辰不详    农历：x\n", true, "女", std::nullopt},
        {"no valid date between the labels: chart shown, date kept",
         line1 + "出生公历：2001-02-29 10:00:00    农历：x\n", true, "女", std::nullopt},
        {"nothing between the labels", line1 + "公历：农历：\n", true, "女", std::nullopt},
        {"second line without 农历：", line1 + "出生公历：1990-05-12 08:30:00\n", false, "", std::nullopt},
        {"second line without 公历：", line1 + "出生日期：1990-05-12 08:30:00    农历：x\n", false, "", std::nullopt},
        {"农历： only before 公历：", line1 + "农历：x 公历：1990-05-12\n", false, "", std::nullopt},
        {"first line without 性别：", "姓名：李四\n出生公历：1990-05-12    农历：x\n", false, "", std::nullopt},
        {"one chart line only", line1 + "备注：\n出生公历：1990-05-12    农历：x\n", false, "", std::nullopt},
        {"empty file", "", false, "", std::nullopt},
        {"sex text is trimmed; anything but 男 is shown as 女 by the window",
         "性别：  男  \r出生公历：1990-05-12 08:30    农历：x\r", true, "男",
         local_days{year{1990} / 5 / 12} + hours{8} + minutes{30}},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const auto record = models::parseRecord(c.file);
        ASSERT_EQ(record.has_value(), c.shown);
        if (!record)
            continue;
        EXPECT_EQ(record->sex, c.sex);
        EXPECT_EQ(record->birth, c.birth);
        EXPECT_EQ(record->hourUnknown, c.hourUnknown);
    }
}

TEST(RecordFile, RemarkLabelLinesAreDropped)
{
    const auto record = models::parseRecord("性别：男\r\n公历：1990-05-12 农历：\r\n备注：\r\n一\r\n又是备注：\r\n二");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->chart, "性别：男\r\n公历：1990-05-12 农历：\r\n");
    EXPECT_EQ(record->remark, "一\r\n二\r\n");
}

} // namespace
