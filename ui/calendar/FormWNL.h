#pragma once

#include "engine/support/DateTime.h"
#include "models/calendar/CalendarNavigation.h"
#include "models/calendar/MonthInfo.h"
#include "models/calendar/MonthView.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

// The perpetual calendar: a month of 42 day cells with lunar dates and markers, the panel of the chosen day, a
// running clock, and year and month steps within 1901-01 to 2099-12. It paints what MonthInfo computes.
class FormWNL : public QDialog
{
    Q_OBJECT

public:
    explicit FormWNL(QWidget* parent = nullptr);
    // "Today" and the clock's time come from `now`.
    explicit FormWNL(engine::Clock now, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildListsAndButtons();
    void buildClock();
    void buildHeaders();
    void buildGrid();
    void buildPanel();
    void connectHandlers();
    void buildTermChoice(); // ui/calendar/FormWNLTerms.cpp

    void Form_Load();
    void Timer1_Timer();
    void ShowSolarDays(int curY, int curM);
    void Label_Newli_Click(int index);
    void ShowDayInfo(int year, int month, int day);
    void CheckAstro_Click(); // ui/calendar/FormWNLTerms.cpp

    // ui/calendar/FormWNLNavigation.cpp
    void CommandYearUp_Click();
    void CommandYearDown_Click();
    void CommandMonthUp_Click();
    void CommandMonthDown_Click();
    void CommandToday_Click();
    void Combo_Year_Click();
    void Combo_Month_Click();
    // Sets ShownYear and ShownMonth, both lists and all four step buttons, then repaints the grid.
    void moveTo(models::ShownMonth shown);

    void showPanel(const models::DayPanel& panel);
    void showClock();

    engine::Clock m_now;
    models::MonthInfo m_info;
    std::int16_t ShownYear = models::kFirstShownYear; // year of the grid, 1901 to 2099
    std::int16_t ShownMonth = 1;                      // month of the grid, 1 to 12
    std::int16_t ShownDay = 1;                        // day of the panel at start and after 今日

    QLabel* captionGongLi = nullptr;         // "公历" before the year list
    QComboBox* Combo_Year = nullptr;         // year list, 1901 to 2099
    QLabel* captionYear = nullptr;           // "年" after it
    QComboBox* Combo_Month = nullptr;        // month list, 1 to 12
    QCheckBox* CheckAstro = nullptr;         // astronomical terms instead of the mean formula
    QLabel* captionMonth = nullptr;          // "月" after it
    QPushButton* CommandYearUp = nullptr;    // one year back
    QPushButton* CommandYearDown = nullptr;  // one year forward
    QPushButton* CommandMonthUp = nullptr;   // one month back
    QPushButton* CommandMonthDown = nullptr; // one month forward
    QPushButton* CommandToday = nullptr;     // back to today

    QGroupBox* FrameClock = nullptr; // "本机时间": the running clock
    QLabel* Label_Date = nullptr;    // clock date
    QLabel* Label_Time = nullptr;    // clock time
    QLabel* Label_ShiChen = nullptr; // clock double hour
    QTimer* Timer1 = nullptr;        // ticks the clock every second

    QLabel* Label4 = nullptr;                              // year header over the grid
    std::array<QLabel*, 7> labl_week{};                    // weekday heads over the columns, Sunday first
    std::array<QLabel*, models::kGridCells> Label_Newli{}; // day numbers of the 42 cells
    std::array<QLabel*, models::kGridCells> Label_Oldli{}; // lunar days, terms and festivals of the cells
    std::array<QLabel*, 3> legend{};                       // what the marker colours mean

    QLabel* LabelToday = nullptr;   // the day's terms and festivals
    QLabel* LabelYM = nullptr;      // year and month
    QLabel* LabelDay = nullptr;     // day number, large
    QLabel* LabelWeek = nullptr;    // weekday
    QLabel* LabelNongYMD = nullptr; // lunar date
    QLabel* LabelNongLi = nullptr;  // year, month and day pillars
    QLabel* LabelPZ = nullptr;      // 彭祖百忌
    QLabel* LabelXS = nullptr;      // 喜神 direction
    QLabel* LabelFS = nullptr;      // 福神 direction
    QLabel* LabelCS = nullptr;      // 财神 direction
    QLabel* LabelYJ = nullptr;      // 宜 and 忌
};
