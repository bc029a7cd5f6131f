#include "ui/lookup/FormNiBZ.h"

#include "engine/analysis/ReverseLookup.h"
#include "engine/calendar/GanZhiTables.h"
#include "engine/support/RangeError.h"
#include "models/solartime/TermSources.h"
#include "ui/common/Guarded.h"
#include "ui/common/QtText.h"
#include "ui/common/Twips.h"
#include "ui/common/WidgetBuilders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdint>
#include <exception>
#include <string_view>
#include <utility>

using ui::fromQt;
using ui::placed;
using ui::toQt;
using ui::twips;
using ui::twipsRect;

namespace {

// Design layout in twips. Inside Frame1 each pillar is a column, its stem above its branch as a chart writes it.
constexpr int kClientWidth = 7920;
constexpr int kClientHeight = 5400;
constexpr int kColumnLeft = 240;
constexpr int kColumnStep = 1200;
constexpr int kColumnWidth = 975;
constexpr int kHeadTop = 360;
constexpr int kStemTop = 660;
constexpr int kBranchTop = 1080;
constexpr int kListHeight = 300;

constexpr int kFirstStartYear = 1901;
constexpr int kStartYearShownAtStart = 50; // 1951

constexpr std::string_view kLineEnd = "\r\n";

QLabel* pillarHead(QWidget* frame, const char* name, const char* text, int column)
{
    auto* label = placed(new QLabel(toQt(text), frame), name,
                         twipsRect(kColumnLeft + column * kColumnStep, kHeadTop, kColumnWidth, 255));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QComboBox* pillarList(QWidget* frame, const char* name, const char* spoken, int column, int top)
{
    return ui::spoken(placed(new QComboBox(frame), name,
                             twipsRect(kColumnLeft + column * kColumnStep, top, kColumnWidth, kListHeight)),
                      spoken);
}

// Fills a list with the names in order and shows the last one.
template <std::size_t N> void fillShowingLast(QComboBox* combo, const std::array<std::string_view, N>& names)
{
    for (const std::string_view name : names)
        combo->addItem(toQt(name));
    combo->setCurrentIndex(combo->count() - 1);
}

// What Text1 shows: the pillars asked for and the answer, each line ended by CR LF.
std::string reportText(const std::array<std::string, 4>& pillars, const std::string& answer)
{
    constexpr std::array<std::string_view, 4> kHeads = {"年干支：", "月干支：", "日干支：", "时干支："};
    std::string text = "八字：" + std::string(kLineEnd);
    for (std::size_t i = 0; i < pillars.size(); ++i)
        text += std::string(kHeads[i]) + pillars[i] + std::string(kLineEnd);
    text += std::string(kLineEnd) + "回推结果：";
    text += answer.empty() ? std::string(engine::kNotFoundText) : answer; // BaZi2Date's empty text: no moment
    return text + std::string(kLineEnd);
}

} // namespace

FormNiBZ::FormNiBZ(BirthMomentSink setBirthMoment, QWidget* parent)
    : QDialog(parent), m_setBirthMoment(std::move(setBirthMoment))
{
    setObjectName(QStringLiteral("FormNiBZ"));
    setWindowTitle(QStringLiteral("八字回推"));
    buildControls();
    connect(Command1, &QPushButton::clicked, this, ui::guarded(this, &FormNiBZ::Command1_Click));
    connect(CommandPP, &QPushButton::clicked, this, ui::guarded(this, &FormNiBZ::CommandPP_Click));
    setFixedSize(twips(kClientWidth), twips(kClientHeight));
    Form_Load();
}

void FormNiBZ::buildControls()
{
    Frame1 = placed(new QGroupBox(QStringLiteral("八字回推"), this), "Frame1", twipsRect(120, 120, 6420, 1740));
    buildPillarColumns();
    Label6 = placed(new QLabel(QStringLiteral("起始年"), Frame1), "Label6", twipsRect(5160, kHeadTop, 1095, 255));
    Label6->setAlignment(Qt::AlignCenter);
    ComboStartYear = placed(new QComboBox(Frame1), "ComboStartYear", twipsRect(5160, kStemTop, 1095, kListHeight));
    ComboStartYear->setMaxVisibleItems(20);
    ComboStartYear->setAccessibleName(QStringLiteral("起始年"));

    Command1 = placed(new QPushButton(QStringLiteral("回推日期"), this), "Command1", twipsRect(6660, 780, 1140, 375));
    Command1->setDefault(true);
    CheckAstro =
        placed(new QCheckBox(QStringLiteral("天文节气"), this), "CheckAstro", twipsRect(6660, 1260, 1260, 300));
    CheckAstro->setAccessibleName(QStringLiteral("天文节气"));
    Text1 = placed(new QPlainTextEdit(this), "Text1", twipsRect(120, 1980, 7680, 2400));
    Text1->setReadOnly(true); // the answer is read, not edited
    Text1->setAccessibleName(QStringLiteral("回推结果"));
    TextTime = placed(new QLineEdit(this), "TextTime", twipsRect(120, 4500, 2775, 330));
    TextTime->setAccessibleName(QStringLiteral("回推时间"));
    CommandPP = placed(new QPushButton(QStringLiteral("排盘"), this), "CommandPP", twipsRect(3000, 4470, 1140, 375));
    Label5 = placed(new QLabel(QStringLiteral("备注：八字回推只推算1900-2099年内的距起始年后的最近数据。"), this),
                    "Label5", twipsRect(120, 4980, 7680, 300));
}

void FormNiBZ::buildPillarColumns()
{
    Label1 = pillarHead(Frame1, "Label1", "年柱", 0);
    Label2 = pillarHead(Frame1, "Label2", "月柱", 1);
    Label3 = pillarHead(Frame1, "Label3", "日柱", 2);
    Label4 = pillarHead(Frame1, "Label4", "时柱", 3);
    ComboYearG = pillarList(Frame1, "ComboYearG", "年干", 0, kStemTop);
    ComboMonthG = pillarList(Frame1, "ComboMonthG", "月干", 1, kStemTop);
    ComboDayG = pillarList(Frame1, "ComboDayG", "日干", 2, kStemTop);
    ComboHourG = pillarList(Frame1, "ComboHourG", "时干", 3, kStemTop);
    ComboYearZ = pillarList(Frame1, "ComboYearZ", "年支", 0, kBranchTop);
    ComboMonthZ = pillarList(Frame1, "ComboMonthZ", "月支", 1, kBranchTop);
    ComboDayZ = pillarList(Frame1, "ComboDayZ", "日支", 2, kBranchTop);
    ComboHourZ = pillarList(Frame1, "ComboHourZ", "时支", 3, kBranchTop);
}

std::array<QComboBox*, 4> FormNiBZ::stemLists() const
{
    return {ComboYearG, ComboMonthG, ComboDayG, ComboHourG};
}

std::array<QComboBox*, 4> FormNiBZ::branchLists() const
{
    return {ComboYearZ, ComboMonthZ, ComboDayZ, ComboHourZ};
}

void FormNiBZ::Form_Load()
{
    for (QComboBox* combo : stemLists())
        fillShowingLast(combo, engine::tables::kTianGan); // 癸
    for (QComboBox* combo : branchLists())
        fillShowingLast(combo, engine::tables::kDiZhi); // 亥
    for (int year = kFirstStartYear; year <= engine::kLastLookupYear; ++year)
        ComboStartYear->addItem(QString::number(year));
    ComboStartYear->setCurrentIndex(kStartYearShownAtStart);
    Text1->setPlainText(toQt("八字对应日期" + std::string(kLineEnd)));
    CommandPP->setEnabled(false);
}

FormNiBZ::Request FormNiBZ::readRequest() const
{
    Request request;
    for (std::size_t i = 0; i < request.pillars.size(); ++i)
        request.pillars[i] = fromQt(stemLists()[i]->currentText() + branchLists()[i]->currentText());
    request.firstYear = ComboStartYear->currentText().toInt(); // 0 if unreadable: the search starts at 1900
    request.astroTerms = CheckAstro->isChecked();
    return request;
}

void FormNiBZ::Command1_Click()
{
    const Request request = readRequest(); // plain data: no Qt types past this line
    CommandPP->setEnabled(false);
    TextTime->clear();
    Text1->clear();
    const auto& p = request.pillars;
    const std::string answer =
        request.astroTerms ? engine::lookupText(engine::lookupBaZi(p[0], p[1], p[2], p[3], request.firstYear,
                                                                   models::termSource(models::TermMethod::astro)))
                           : m_landPP.BaZi2Date(p[0], p[1], p[2], p[3], static_cast<std::int16_t>(request.firstYear));
    Text1->setPlainText(toQt(reportText(p, answer)));
    if (!engine::readTime(answer))
        return; // a message or nothing found: there is no moment to chart
    TextTime->setText(toQt(answer));
    CommandPP->setEnabled(true);
}

void FormNiBZ::CommandPP_Click()
{
    const auto moment = engine::readTime(fromQt(TextTime->text()));
    if (!moment)
        return; // TextTime may have been edited into no moment
    if (m_setBirthMoment)
        m_setBirthMoment(*moment);
    accept(); // the user charts from the main window
}
