#pragma once

#include "engine/support/DateTime.h"
#include "models/calendar/CalendarNavigation.h"
#include "models/calendar/MonthInfo.h"
#include "models/calendar/MonthView.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

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

    void Form_Load();
    void Timer1_Timer();
    void CommandYearUp_Click();
    void CommandYearDown_Click();
    void CommandMonthUp_Click();
    void CommandMonthDown_Click();
    void CommandToday_Click();
    void Combo_Year_Click();
    void Combo_Month_Click();
    void ShowSolarDays(int curY, int curM);
    void Label_Newli_Click(int index);
    void ShowDayInfo(int year, int month, int day);

    // Sets ShownYear and ShownMonth, both lists and all four step buttons, then repaints the grid.
    void moveTo(models::ShownMonth shown);
    void showPanel(const models::DayPanel& panel);
    void showClock();

    engine::Clock m_now;
    models::MonthInfo m_info;
    std::int16_t ShownYear = models::kFirstShownYear;
    std::int16_t ShownMonth = 1;
    std::int16_t ShownDay = 1;

    QLabel* captionGongLi = nullptr;
    QComboBox* Combo_Year = nullptr;
    QLabel* captionYear = nullptr;
    QComboBox* Combo_Month = nullptr;
    QLabel* captionMonth = nullptr;
    QPushButton* CommandYearUp = nullptr;
    QPushButton* CommandYearDown = nullptr;
    QPushButton* CommandMonthUp = nullptr;
    QPushButton* CommandMonthDown = nullptr;
    QPushButton* CommandToday = nullptr;

    QGroupBox* FrameClock = nullptr;
    QLabel* Label_Date = nullptr;
    QLabel* Label_Time = nullptr;
    QLabel* Label_ShiChen = nullptr;
    QTimer* Timer1 = nullptr;

    QLabel* Label4 = nullptr;
    std::array<QLabel*, 7> labl_week{};
    std::array<QLabel*, models::kGridCells> Label_Newli{};
    std::array<QLabel*, models::kGridCells> Label_Oldli{};
    std::array<QLabel*, 3> legend{};

    QLabel* LabelToday = nullptr;
    QLabel* LabelYM = nullptr;
    QLabel* LabelDay = nullptr;
    QLabel* LabelWeek = nullptr;
    QLabel* LabelNongYMD = nullptr;
    QLabel* LabelNongLi = nullptr;
    QLabel* LabelPZ = nullptr;
    QLabel* LabelXS = nullptr;
    QLabel* LabelFS = nullptr;
    QLabel* LabelCS = nullptr;
    QLabel* LabelYJ = nullptr;
};
