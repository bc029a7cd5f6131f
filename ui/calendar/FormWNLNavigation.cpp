#include "ui/calendar/FormWNL.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>

// The ways between months: the four step buttons, the two lists and 今日. Each ends in moveTo.
void FormWNL::CommandYearUp_Click()
{
    moveTo(models::stepYear({ShownYear, ShownMonth}, -1));
}

void FormWNL::CommandYearDown_Click()
{
    moveTo(models::stepYear({ShownYear, ShownMonth}, 1));
}

void FormWNL::CommandMonthUp_Click()
{
    moveTo(models::stepMonth({ShownYear, ShownMonth}, -1));
}

void FormWNL::CommandMonthDown_Click()
{
    moveTo(models::stepMonth({ShownYear, ShownMonth}, 1));
}

void FormWNL::CommandToday_Click()
{
    const auto today = m_info.today();
    const int year = static_cast<int>(today.year());
    const int month = static_cast<int>(static_cast<unsigned>(today.month()));
    ShownDay = static_cast<std::int16_t>(static_cast<unsigned>(today.day()));
    moveTo(models::clampShown(year, month)); // a clock outside 1901-2099 shows the nearest month
    ShowDayInfo(year, month, ShownDay);      // still today's details, where the month information reaches
}

void FormWNL::Combo_Year_Click()
{
    moveTo(models::clampShown(Combo_Year->currentText().toInt(), ShownMonth));
}

void FormWNL::Combo_Month_Click()
{
    moveTo(models::clampShown(ShownYear, Combo_Month->currentText().toInt()));
}

// Every change goes through here, and the buttons follow the shown month whichever control moved it, so no
// later step can leave 1901-01 to 2099-12.
void FormWNL::moveTo(models::ShownMonth shown)
{
    ShownYear = static_cast<std::int16_t>(shown.year);
    ShownMonth = static_cast<std::int16_t>(shown.month);
    {
        const QSignalBlocker quietYear(Combo_Year);
        const QSignalBlocker quietMonth(Combo_Month);
        Combo_Year->setCurrentText(QString::number(ShownYear));
        Combo_Month->setCurrentText(QString::number(ShownMonth));
    }
    const models::NavButtons buttons = models::navButtons(shown);
    CommandYearUp->setEnabled(buttons.yearUp);
    CommandYearDown->setEnabled(buttons.yearDown);
    CommandMonthUp->setEnabled(buttons.monthUp);
    CommandMonthDown->setEnabled(buttons.monthDown);
    ShowSolarDays(ShownYear, ShownMonth);
}
