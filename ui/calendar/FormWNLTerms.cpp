#include "ui/calendar/FormWNL.h"

#include "models/solartime/TermSources.h"
#include "ui/common/Guarded.h"
#include "ui/common/Twips.h"

#include <QCheckBox>

// The term method of the calendar: the classic mean formula by default, or the astronomical terms, which mark the
// term days and turn the month pillars on the day the Sun really reaches each term.
void FormWNL::buildTermChoice()
{
    CheckAstro = new QCheckBox(QStringLiteral("天文节气"), this);
    CheckAstro->setObjectName(QStringLiteral("CheckAstro"));
    CheckAstro->setAccessibleName(QStringLiteral("天文节气"));
    CheckAstro->setGeometry(ui::twipsRect(9330, 840, 1260, 270)); // under 今日, above the day panel
    connect(CheckAstro, &QCheckBox::toggled, this, ui::guarded(this, &FormWNL::CheckAstro_Click));
}

void FormWNL::CheckAstro_Click()
{
    const auto method = CheckAstro->isChecked() ? models::TermMethod::astro : models::TermMethod::mean;
    m_info = models::MonthInfo(m_now, models::termSource(method));
    moveTo({ShownYear, ShownMonth});
}
