#include "ui/calendar/FormWNL.h"

#include "engine/support/RangeError.h"
#include "ui/common/ChartFont.h"
#include "ui/common/Guarded.h"
#include "ui/common/QtText.h"
#include "ui/common/Twips.h"
#include "ui/common/WidgetBuilders.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

using models::Rgb;
using ui::placed;
using ui::toQt;
using ui::twips;
using ui::twipsRect;

namespace {

// The grid, in twips: cell 0 sits at the design place, the others follow at a pitch of 900 across and 750 down.
constexpr int kGridLeft = 240;
constexpr int kGridTop = 1500;
constexpr int kPitchAcross = 900;
constexpr int kPitchDown = 750;
constexpr int kCellWidth = 840;
constexpr int kNewliHeight = 345;
constexpr int kOldliHeight = 285;
constexpr int kColumns = 7;

constexpr int kPanelLeft = 6780;
constexpr int kPanelWidth = 3600;
constexpr int kClientWidth = 10620;
constexpr int kClientHeight = 6480;

constexpr int kTimerInterval = 1000; // ms

// The legend in the colours of the markers it explains.
struct Legend
{
    const char* text;
    Rgb fore;
};
// clang-format off
constexpr Legend kLegends[] = {
    {"*代表公历节日", models::kFestivalFore},
    {"*代表农历节日", models::kNongFestivalFore},
    {"*代表节气", models::kTermFore},
};
// clang-format on

QLabel* label(QWidget* parent, const char* name, const char* text, const QRect& geometry,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = placed(new QLabel(toQt(text), parent), name, geometry);
    l->setAlignment(alignment);
    return l;
}

// A member of a label array: every member shares the array's name and carries its index.
QLabel* member(QWidget* parent, const char* name, int index, const QRect& geometry, Qt::Alignment alignment)
{
    auto* l = label(parent, name, "", geometry, alignment);
    l->setProperty("index", index);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, const QRect& geometry)
{
    auto* b = placed(new QPushButton(toQt(text), parent), name, geometry);
    b->setAutoDefault(false); // Enter in a list must not step the month
    return b;
}

QFont sized(double points, bool bold = false)
{
    QFont font = ui::chartFont(); // one character width for all CJK texts, so the cells' captions fit alike
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Colours go through the palette: WindowText for the caption, Window for the back (the label fills it).
void setColour(QLabel* l, QPalette::ColorRole role, Rgb colour)
{
    QPalette palette = l->palette();
    palette.setColor(role, QColor(colour.r, colour.g, colour.b));
    l->setPalette(palette);
}

void fillList(QComboBox* combo, int first, int last)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (int value = first; value <= last; ++value)
        combo->addItem(QString::number(value));
}

} // namespace

FormWNL::FormWNL(QWidget* parent) : FormWNL(engine::systemClock(), parent) {}

FormWNL::FormWNL(engine::Clock now, QWidget* parent) : QDialog(parent), m_now(now), m_info(std::move(now))
{
    setObjectName(QStringLiteral("FormWNL"));
    setWindowTitle(QStringLiteral("万年历"));
    setFont(ui::chartFont());
    buildListsAndButtons();
    buildClock();
    buildHeaders();
    buildGrid();
    buildPanel();
    buildTermChoice();
    connectHandlers();
    setFixedSize(twips(kClientWidth), twips(kClientHeight));
    Form_Load();
}

void FormWNL::buildListsAndButtons()
{
    captionGongLi = label(this, "captionGongLi", "公历", twipsRect(240, 180, 480, 390));
    Combo_Year = ui::spoken(placed(new QComboBox(this), "Combo_Year", twipsRect(720, 180, 1080, 390)), "公历年");
    Combo_Year->setMaxVisibleItems(20);
    captionYear = label(this, "captionYear", "年", twipsRect(1830, 180, 300, 390));
    Combo_Month = ui::spoken(placed(new QComboBox(this), "Combo_Month", twipsRect(2130, 180, 780, 390)), "公历月");
    Combo_Month->setMaxVisibleItems(12);
    captionMonth = label(this, "captionMonth", "月", twipsRect(2940, 180, 300, 390));
    CommandYearUp = button(this, "CommandYearUp", "年↑", twipsRect(3300, 165, 630, 420));
    CommandYearDown = button(this, "CommandYearDown", "年↓", twipsRect(3960, 165, 630, 420));
    CommandMonthUp = button(this, "CommandMonthUp", "月↑", twipsRect(4620, 165, 630, 420));
    CommandMonthDown = button(this, "CommandMonthDown", "月↓", twipsRect(5280, 165, 630, 420));
    CommandToday = button(this, "CommandToday", "今日", twipsRect(9420, 345, 960, 450));
}

void FormWNL::buildClock()
{
    FrameClock =
        placed(new QGroupBox(QStringLiteral("本机时间"), this), "FrameClock", twipsRect(kPanelLeft, 60, 2520, 960));
    Label_Date = label(FrameClock, "Label_Date", "日期", twipsRect(150, 330, 1440, 285));
    Label_ShiChen = label(FrameClock, "Label_ShiChen", "时辰", twipsRect(1620, 330, 780, 285));
    Label_Time = label(FrameClock, "Label_Time", "时间", twipsRect(150, 615, 1440, 285));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
}

void FormWNL::buildHeaders()
{
    Label4 = label(this, "Label4", "", twipsRect(kGridLeft, 690, kPitchAcross * (kColumns - 1) + kCellWidth, 360),
                   Qt::AlignCenter);
    Label4->setFont(sized(12, true));
    for (int column = 0; column < kColumns; ++column) {
        QLabel*& week = labl_week[static_cast<std::size_t>(column)];
        week = member(this, "labl_week", column, twipsRect(kGridLeft + kPitchAcross * column, 1125, kCellWidth, 300),
                      Qt::AlignCenter);
        // Words 日 and 六 carry their column's colour and a square of it, as the day numbers below them do.
        const std::string name(models::weekdayName(column));
        week->setText(toQt(column == 0 ? "■ " + name : column == kColumns - 1 ? name + "  ■" : name));
        setColour(week, QPalette::WindowText,
                  column == 0              ? models::kSundayFore
                  : column == kColumns - 1 ? models::kSaturdayFore
                                           : models::kBlack);
    }
    for (std::size_t i = 0; i < legend.size(); ++i) {
        legend[i] = member(this, "legend", static_cast<int>(i),
                           twipsRect(kGridLeft + 2160 * static_cast<int>(i), 6060, 2100, 300),
                           Qt::AlignLeft | Qt::AlignVCenter);
        legend[i]->setText(toQt(kLegends[i].text));
        setColour(legend[i], QPalette::WindowText, kLegends[i].fore);
    }
}

void FormWNL::buildGrid()
{
    const QFont dayFont = sized(12, true);
    const QFont lunarFont = sized(9); // "小年（..." takes nine columns: 54 of the cell's 56 pixels at 96 dpi
    for (int i = 0; i < models::kGridCells; ++i) {
        const int left = kGridLeft + kPitchAcross * (i % kColumns); // column [0, 6]
        const int top = kGridTop + kPitchDown * (i / kColumns);     // row [0, 5]
        QLabel* newli = member(this, "Label_Newli", i, twipsRect(left, top, kCellWidth, kNewliHeight),
                               Qt::AlignHCenter | Qt::AlignBottom);
        QLabel* oldli = member(this, "Label_Oldli", i, twipsRect(left, top + kNewliHeight, kCellWidth, kOldliHeight),
                               Qt::AlignHCenter | Qt::AlignTop);
        newli->setFont(dayFont);
        oldli->setFont(lunarFont);
        for (QLabel* l : {newli, oldli}) {
            l->setAutoFillBackground(true);
            setColour(l, QPalette::Window, models::kWhite);
        }
        newli->setCursor(Qt::PointingHandCursor);
        newli->installEventFilter(this); // only the day number answers a click
        Label_Newli[static_cast<std::size_t>(i)] = newli;
        Label_Oldli[static_cast<std::size_t>(i)] = oldli;
    }
}

void FormWNL::buildPanel()
{
    auto* back = placed(new QFrame(this), "panelBack", twipsRect(kPanelLeft - 60, 1125, kPanelWidth + 120, 5235));
    back->setFrameShape(QFrame::StyledPanel);
    back->setAutoFillBackground(true);
    QPalette white = back->palette();
    white.setColor(QPalette::Window, Qt::white);
    back->setPalette(white);
    const auto line = [this](const char* name, int top, int height, Qt::Alignment alignment = Qt::AlignCenter) {
        QLabel* l = label(this, name, "", twipsRect(kPanelLeft, top, kPanelWidth, height), alignment);
        l->setWordWrap(true);
        return l;
    };
    LabelToday = line("LabelToday", 1185, 600);
    LabelYM = line("LabelYM", 1800, 330);
    LabelDay = line("LabelDay", 2130, 900);
    LabelDay->setFont(sized(32, true));
    LabelWeek = line("LabelWeek", 3030, 330);
    LabelNongYMD = line("LabelNongYMD", 3420, 300);
    LabelNongLi = line("LabelNongLi", 3720, 300);
    LabelPZ = line("LabelPZ", 4080, 300);
    LabelXS = line("LabelXS", 4380, 300);
    LabelFS = line("LabelFS", 4680, 300);
    LabelCS = line("LabelCS", 4980, 300);
    LabelYJ = line("LabelYJ", 5340, 960, Qt::AlignHCenter | Qt::AlignTop);
}

void FormWNL::connectHandlers()
{
    connect(Timer1, &QTimer::timeout, this, ui::guarded(this, &FormWNL::Timer1_Timer));
    connect(CommandYearUp, &QPushButton::clicked, this, ui::guarded(this, &FormWNL::CommandYearUp_Click));
    connect(CommandYearDown, &QPushButton::clicked, this, ui::guarded(this, &FormWNL::CommandYearDown_Click));
    connect(CommandMonthUp, &QPushButton::clicked, this, ui::guarded(this, &FormWNL::CommandMonthUp_Click));
    connect(CommandMonthDown, &QPushButton::clicked, this, ui::guarded(this, &FormWNL::CommandMonthDown_Click));
    connect(CommandToday, &QPushButton::clicked, this, ui::guarded(this, &FormWNL::CommandToday_Click));
    connect(Combo_Year, &QComboBox::currentIndexChanged, this, ui::guarded(this, &FormWNL::Combo_Year_Click));
    connect(Combo_Month, &QComboBox::currentIndexChanged, this, ui::guarded(this, &FormWNL::Combo_Month_Click));
}

void FormWNL::Form_Load()
{
    showClock();
    fillList(Combo_Year, models::kFirstShownYear, models::kLastShownYear);
    fillList(Combo_Month, 1, 12);
    CommandToday_Click(); // the lists, the buttons, the grid and the panel as the today button sets them
    Timer1->start();
}

// The date and the double hour are rewritten every second too, so they follow midnight and each double hour.
void FormWNL::Timer1_Timer()
{
    showClock();
}

void FormWNL::showClock()
{
    const engine::LocalTime now = m_now();
    const std::string text = engine::writeTime(now); // "YYYY-MM-DD HH:mm:ss"
    const auto blank = text.find(' ');
    Label_Date->setText(toQt(text.substr(0, blank)));
    Label_Time->setText(blank == std::string::npos ? QString() : toQt(text.substr(blank + 1)));
    Label_ShiChen->setText(toQt(models::shiChenText(engine::toCivil(now).hour)));
}

void FormWNL::ShowSolarDays(int curY, int curM)
{
    const models::MonthGrid grid = models::monthGrid(m_info, curY, curM).value_or(models::MonthGrid{});
    Label4->setText(toQt(grid.header));
    for (std::size_t c = 0; c < grid.cells.size(); ++c) {
        const models::Cell& cell = grid.cells[c];
        Label_Newli[c]->setText(toQt(cell.newli));
        setColour(Label_Newli[c], QPalette::WindowText, cell.newliFore);
        setColour(Label_Newli[c], QPalette::Window, cell.back);
        Label_Oldli[c]->setText(toQt(cell.oldli));
        setColour(Label_Oldli[c], QPalette::WindowText, cell.oldliFore);
        setColour(Label_Oldli[c], QPalette::Window, cell.back);
    }
}

void FormWNL::Label_Newli_Click(int index)
{
    const auto day = models::dayOfCell(ShownYear, ShownMonth, index);
    for (int c = 0; c < models::kGridCells; ++c) {
        const Rgb back = models::backAfterClick(c, index, day.has_value());
        setColour(Label_Newli[static_cast<std::size_t>(c)], QPalette::Window, back);
        setColour(Label_Oldli[static_cast<std::size_t>(c)], QPalette::Window, back);
    }
    if (!day)
        return; // an empty cell: the panel keeps what it shows
    if (const auto panel = models::dayPanel(m_info, ShownYear, ShownMonth, *day))
        showPanel(*panel);
}

void FormWNL::ShowDayInfo(int year, int month, int day)
{
    showPanel(models::dayPanel(m_info, year, month, day).value_or(models::DayPanel{}));
}

void FormWNL::showPanel(const models::DayPanel& panel)
{
    LabelToday->setText(toQt(panel.LabelToday));
    LabelYM->setText(toQt(panel.LabelYM));
    LabelDay->setText(toQt(panel.LabelDay));
    LabelWeek->setText(toQt(panel.LabelWeek));
    LabelNongYMD->setText(toQt(panel.LabelNongYMD));
    LabelNongLi->setText(toQt(panel.LabelNongLi));
    LabelPZ->setText(toQt(panel.LabelPZ));
    LabelXS->setText(toQt(panel.LabelXS));
    LabelFS->setText(toQt(panel.LabelFS));
    LabelCS->setText(toQt(panel.LabelCS));
    LabelYJ->setText(toQt(panel.LabelYJ));
    // The day's own colour, whichever control showed it: a Saturday's green must not stay on a Tuesday.
    setColour(LabelDay, QPalette::WindowText, panel.weekFore);
    setColour(LabelWeek, QPalette::WindowText, panel.weekFore);
}

// A click is a press and a release of the left button over the same day number.
bool FormWNL::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto found = std::find(Label_Newli.begin(), Label_Newli.end(), watched);
        if (found != Label_Newli.end() && mouse->button() == Qt::LeftButton &&
            (*found)->rect().contains(mouse->position().toPoint())) {
            const int index = static_cast<int>(found - Label_Newli.begin());
            ui::runGuarded(this, [this, index] { Label_Newli_Click(index); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
