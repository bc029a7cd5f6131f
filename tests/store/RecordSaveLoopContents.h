#pragma once

#include <string>

// The two records that the save loop helper writes in turn, shared with the kill test that checks them.
namespace recordtest {

inline const std::string kLoopGroup = "其他";
inline const std::string kLoopName = "张三";
inline const std::string kLoopRemark = "备注第一行\n备注第二行";

// A chart large enough (about 80 KB in the file) that a kill often lands while it is being written.
inline std::string loopChart(char mark)
{
    std::string chart =
        "姓名：张三       性别：男\r\n出生公历：1990-05-12 08:30:00    农历：农历庚午年(马)四月十八\r\n";
    const std::string row = std::string("流年：  ") + mark + "甲子    乙丑    丙寅    丁卯    戊辰    己巳    庚午\r\n";
    while (chart.size() < 100'000)
        chart += row;
    return chart;
}

} // namespace recordtest
