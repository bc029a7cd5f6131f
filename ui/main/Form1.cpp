#include "ui/main/Form1.h"

#include "engine/support/RangeError.h"
#include "models/chart/ChartText.h"
#include "models/chart/DateLists.h"
#include "models/records/RecordFile.h"
#include "ui/chart/ChartView.h"
#include "ui/common/ChartFont.h"
#include "ui/common/Guarded.h"
#include "ui/common/QtText.h"
#include "ui/common/Twips.h"
#include "ui/common/WidgetBuilders.h"
#include "ui/main/BirthPlacePanel.h"
#include "ui/main/Preferences.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <exception>
#include <string>

using ui::fromQt;
using ui::placed;
using ui::toQt;
using ui::twips;
using ui::twipsRect;

namespace {

const QString kGregorian = QStringLiteral("公历");
const QString kLunar = QStringLiteral("农历");

// Design size of the client area (menu bar excluded, status bar included), in twips: wide enough for the 时辰不详
// box at the birth row's end.
constexpr int kClientWidth = 12240;
constexpr int kClientHeight = 7035;

// The resize rules measure the outer window of a classic desktop. The window manager owns the real frame, so its
// share is a fixed allowance: two borders across; caption, menu bar and borders down.
constexpr int kFrameAcross = 120;
constexpr int kFrameDown = 750;

// Below this client size the window snaps back to the outer size after it.
constexpr int kMinClientWidth = 10000;
constexpr int kMinClientHeight = 7000;
constexpr int kSnapOuterWidth = 11000;
constexpr int kSnapOuterHeight = 7000;

constexpr int kYearShownAtStart = 80; // 1980
constexpr int kHourShownAtStart = 1;  // 01
constexpr int kMinuteShownAtStart = 1;

// Captions sit under the controls they name; they must not take those controls' clicks.
QLabel* caption(QWidget* parent, const char* name, const char* text, const QRect& geometry)
{
    auto* label = placed(new QLabel(toQt(text), parent), name, geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->lower();
    return label;
}

QComboBox* dropDownList(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* combo = placed(new QComboBox(parent), name, geometry);
    combo->setMaxVisibleItems(20);
    return combo;
}

// Refills a list without announcing the change; the caller rebuilds what depends on it.
void refill(QComboBox* combo, const std::vector<std::string>& texts, int selected = 0)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const auto& text : texts)
        combo->addItem(toQt(text));
    combo->setCurrentIndex(texts.empty() ? -1 : selected);
}

} // namespace

// An installed program has no program folder of its own to keep records in: it goes straight to the user's.
Form1::Form1(QWidget* parent)
    : Form1(LANDPP_RECORDS_BESIDE_PROGRAM ? QCoreApplication::applicationDirPath() : QString(), parent)
{
}

Form1::Form1(const QString& programFolder, QWidget* parent) : QMainWindow(parent), m_store(fromQt(programFolder))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("澄枢八字排盘"));
    buildControls();
    buildMenus();
    buildPictureMenus();
    buildStatusBar();
    buildTreeMenus();
    connectHandlers();
    connectTreeHandlers();
    buildManners();
    Form_Load();
}

void Form1::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    client->installEventFilter(this);
    buildNameRow(client);
    buildBirthRow(client);
    // In the top row's free end, so the birth row and the boxes keep their places.
    CommandPlace =
        placed(new QPushButton(QStringLiteral("出生地…"), client), "CommandPlace", twipsRect(8640, 105, 975, 390));
    m_birthPlace = new ui::BirthPlacePanel(this);
    buildTextBoxes(client);
    buildPicture(client);
    CheckShi =
        placed(new QCheckBox(toQt(models::kHourUnknownWords), client), "CheckShi", twipsRect(10920, 735, 1200, 255));
    CheckShi->setToolTip(QStringLiteral("不知出生时辰：只排年、月、日三柱，起运按出生日12:00计算"));
}

// The name, the sex, the layout and the two boxes of what the chart shows.
void Form1::buildNameRow(QWidget* client)
{
    Label1 = caption(client, "Label1", "姓   名：", twipsRect(240, 240, 975, 375));
    TxtName = placed(new QLineEdit(client), "TxtName", twipsRect(1320, 105, 2055, 390));
    OptSex[0] = placed(new QRadioButton(QStringLiteral("男"), client), "OptSex", twipsRect(3720, 120, 735, 375));
    OptSex[1] = placed(new QRadioButton(QStringLiteral("女"), client), "OptSex", twipsRect(4560, 120, 975, 375));
    auto* sexes = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        OptSex[static_cast<std::size_t>(i)]->setProperty("index", i); // elements of one control array
        sexes->addButton(OptSex[static_cast<std::size_t>(i)], i);
    }
    OptSex[0]->setChecked(true);
    ComboPai = placed(new QComboBox(client), "ComboPai", twipsRect(5640, 120, 855, 300));
    ComboPai->setEditable(true);
    CheckShen = placed(new QCheckBox(QStringLiteral("神煞"), client), "CheckShen", twipsRect(6720, 120, 975, 255));
    CheckFen = placed(new QCheckBox(QStringLiteral("分析"), client), "CheckFen", twipsRect(7700, 120, 900, 255));
    CheckFen->setToolTip(QStringLiteral("在命盘末尾写出身宫、胎息、刑冲合害、五行与十神统计、月令旺衰和提示"));
}

// The calendar, the date and time lists with their labels, and the chart button.
void Form1::buildBirthRow(QWidget* client)
{
    Label2 = caption(client, "Label2", "出生时间：", twipsRect(240, 720, 975, 375));
    Combo1 = dropDownList(client, "Combo1", twipsRect(1440, 720, 855, 300));
    Combo2 = dropDownList(client, "Combo2", twipsRect(2400, 720, 855, 300));
    Combo3 = dropDownList(client, "Combo3", twipsRect(3600, 720, 855, 300));
    Combo4 = dropDownList(client, "Combo4", twipsRect(4800, 720, 855, 300));
    Combo5 = dropDownList(client, "Combo5", twipsRect(6120, 720, 855, 300));
    Combo6 = dropDownList(client, "Combo6", twipsRect(7320, 720, 855, 300));
    Label3 = caption(client, "Label3", "年", twipsRect(3360, 840, 495, 375));
    Label4 = caption(client, "Label4", "月", twipsRect(4560, 840, 495, 375));
    Label5 = caption(client, "Label5", "日", twipsRect(5760, 840, 495, 375));
    Label6 = caption(client, "Label6", "时", twipsRect(7080, 840, 495, 375));
    Label7 = caption(client, "Label7", "分", twipsRect(8280, 840, 495, 375));
    Command1 = placed(new QPushButton(QStringLiteral("八字排盘"), client), "Command1", twipsRect(8640, 720, 975, 375));
}

void Form1::buildTextBoxes(QWidget* client)
{
    TreeView1 = placed(new QTreeView(client), "TreeView1", twipsRect(240, 1200, 2655, 2655));
    buildTree();
    TexCont = placed(new QPlainTextEdit(client), "TexCont", twipsRect(3000, 1200, 7815, 3375));
    TexCont->setFont(ui::chartFont());
    TexCont->setLineWrapMode(QPlainTextEdit::NoWrap);
    TexCont->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TexCont->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    LabelMark = caption(client, "LabelMark", "备注信息：", twipsRect(3120, 4800, 1215, 255));
    TextMark = placed(new QPlainTextEdit(client), "TextMark", twipsRect(3000, 5160, 7815, 975));
    TextMark->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void Form1::connectHandlers()
{
    connect(Combo1, &QComboBox::currentIndexChanged, this, ui::guarded(this, &Form1::Combo1_Click));
    connect(Combo2, &QComboBox::currentIndexChanged, this, ui::guarded(this, &Form1::Combo2_Click));
    connect(Combo3, &QComboBox::currentIndexChanged, this, ui::guarded(this, &Form1::Combo3_Click));
    connect(CheckShi, &QCheckBox::toggled, this, [this](bool unknown) {
        Combo5->setEnabled(!unknown); // a chart without the hour reads neither list
        Combo6->setEnabled(!unknown);
    });
    connect(Command1, &QPushButton::clicked, this, ui::guarded(this, &Form1::Command1_Click));
    connect(CommandPlace, &QPushButton::clicked, m_birthPlace, [this] {
        m_birthPlace->show();
        m_birthPlace->raise();
    });
    connect(mSave, &QAction::triggered, this, ui::guarded(this, &Form1::mSave_Click));
    connect(mExit, &QAction::triggered, this, ui::guarded(this, &Form1::mExit_Click));
    connect(mPing, &QAction::triggered, this, ui::guarded(this, &Form1::mPing_Click));
    connect(mWNL, &QAction::triggered, this, ui::guarded(this, &Form1::mWNL_Click));
    connect(mNiBZ, &QAction::triggered, this, ui::guarded(this, &Form1::mNiBZ_Click));
    connect(mAbout, &QAction::triggered, this, ui::guarded(this, &Form1::mAbout_Click));
    connect(mHome, &QAction::triggered, this, ui::guarded(this, &Form1::mHome_Click));
    connect(mPaiPan, &QAction::triggered, this, ui::guarded(this, &Form1::mPaiPan_Click));
}

void Form1::warn(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}

void Form1::Form_Load()
{
    resize(twips(kClientWidth), twips(kClientHeight) + menuBar()->sizeHint().height());
    fitChartRows();
    if (const QScreen* s = screen()) {
        const QRect area = s->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
    }
    refill(Combo1, {fromQt(kGregorian), fromQt(kLunar)});
    refill(Combo2, models::yearTexts(), kYearShownAtStart);
    rebuildMonthsAndDays();
    refill(Combo5, models::numberTexts(0, 23), kHourShownAtStart);
    refill(Combo6, models::numberTexts(0, 59), kMinuteShownAtStart);
    refill(ComboPai, {"竖排", "横排"});
    ComboPai->setEditText(QStringLiteral("竖排"));
    if (const auto preferences = ui::loadPreferences()) // none at the first start: the window as it always was
        restoreChoices(*preferences);
    LoadTree();
}

void Form1::Combo1_Click()
{
    rebuildMonthsAndDays();
}

void Form1::Combo2_Click()
{
    rebuildMonthsAndDays();
}

void Form1::Combo3_Click()
{
    rebuildDays();
}

void Form1::rebuildMonthsAndDays()
{
    const bool lunar = Combo1->currentText() != kGregorian;
    const auto months = models::monthTexts(lunar, fromQt(Combo2->currentText()));
    refill(Combo3, months.value_or(std::vector<std::string>{}));
    rebuildDays();
}

void Form1::rebuildDays()
{
    const bool lunar = Combo1->currentText() != kGregorian;
    const auto days = models::dayTexts(lunar, fromQt(Combo2->currentText()), fromQt(Combo3->currentText()));
    refill(Combo4, days.value_or(std::vector<std::string>{}));
    if (!days)
        warn(QStringLiteral("所选年月不在历表范围内"));
}

void Form1::setBirthMoment(const engine::LocalTime& t)
{
    const engine::CivilTime civil = engine::toCivil(t);
    Combo1->setCurrentIndex(Combo1->findText(kGregorian)); // a change rebuilds the month and day lists
    const int year = Combo2->findText(QString::number(static_cast<int>(civil.date.year())));
    if (year < 0)
        return; // not a listed year
    Combo2->setCurrentIndex(year);
    Combo3->setCurrentIndex(static_cast<int>(static_cast<unsigned>(civil.date.month())) - 1); // [0, 11]
    Combo4->setCurrentIndex(static_cast<int>(static_cast<unsigned>(civil.date.day())) - 1);   // [0, 30]
    Combo5->setCurrentIndex(civil.hour);
    Combo6->setCurrentIndex(civil.minute);
}

std::variant<models::ChartRequest, models::Refusal> Form1::readRequest() const
{
    models::ChartRequest request;
    request.stars = CheckShen->isChecked();
    request.analysis = CheckFen->isChecked();
    request.hourUnknown = CheckShi->isChecked();
    request.drawn = true; // the drawn chart always shows the analysis
    request.name = fromQt(TxtName->text());
    request.male = OptSex[0]->isChecked();
    request.layout = models::layoutOf(fromQt(ComboPai->currentText()));
    request.moment = m_birthPlace->options();
    const std::string year = fromQt(Combo2->currentText()), month = fromQt(Combo3->currentText()),
                      day = fromQt(Combo4->currentText()), hour = fromQt(Combo5->currentText()),
                      minute = fromQt(Combo6->currentText());
    const auto birth = models::birthOfLists({Combo1->currentText() != kGregorian, year, month, day, hour, minute});
    if (auto refusal = models::refuseName(request.name))
        return *refusal;
    if (!birth)
        return models::Refusal{models::Reason::invalidBirth,
                               "出生时间无效：" + year + "-" + month + "-" + day + " " + hour + ":" + minute};
    request.birth = *birth;
    return request;
}

void Form1::restoreChoices(const models::ChartRequest& choices)
{
    m_birthPlace->setOptions(choices.moment);
    ComboPai->setEditText(toQt(models::layoutWord(choices.layout)));
    CheckShen->setChecked(choices.stars);
    CheckFen->setChecked(choices.analysis);
    CheckShi->setChecked(choices.hourUnknown);
}

QPoint Form1::besideWindow(QSize size) const
{
    const QRect screen = this->screen()->availableGeometry();
    const QRect frame = frameGeometry();
    QPoint at(frame.right() + 8, frame.top());
    if (at.x() + size.width() > screen.right())
        at = QPoint(frame.right() - size.width() - 24, frame.bottom() - size.height() - 48);
    return at;
}

void Form1::Command1_Click()
{
    const auto request = readRequest(); // plain data: no Qt types past this line
    const auto built = std::holds_alternative<models::Refusal>(request)
                           ? std::variant<models::Chart, models::Refusal>(std::get<models::Refusal>(request))
                           : models::chartOf(std::get<models::ChartRequest>(request), engine::systemClock());
    if (const auto* refusal = std::get_if<models::Refusal>(&built)) {
        warn(toQt(refusal->message)); // "请输入姓名" or why the date cannot be charted; TexCont keeps its chart
        return;
    }
    const models::Chart& chart = std::get<models::Chart>(built);
    TexCont->setPlainText(toQt(models::chartText(chart)));
    TextMark->clear();
    showSheet(&chart);
    ui::savePreferences(std::get<models::ChartRequest>(request));
    if (m_birthPlace->noteBirth(chart.moment.clock())) {
        // The summer-time line opens the panel beside the chart, leaving the keyboard where the person works.
        m_birthPlace->setAttribute(Qt::WA_ShowWithoutActivating);
        if (!m_birthPlace->isVisible()) // beside the window, or in its lower right corner: never over the inputs
            m_birthPlace->move(besideWindow(m_birthPlace->sizeHint()));
        m_birthPlace->show();
        m_birthPlace->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    tellStatus(QStringLiteral("已排盘：") + toQt(chart.name));
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (!isMinimized())
        QTimer::singleShot(0, this, &Form1::applyResizeFloor); // after the window system settles the size
}

// The client area sits in the central widget; the controls follow its size. The tree's mouse-up comes here too.
bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize && !isMinimized())
        Form_Resize();
    if (TreeView1 && watched == TreeView1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        ui::runGuarded(this, [&] { TreeView1_MouseUp(mouse->button(), mouse->position().toPoint()); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::applyResizeFloor()
{
    if (isMinimized())
        return;
    const int menuHeight = height() - centralWidget()->height() - StatusBar1->height();
    const int clientHeight = height() - menuHeight;
    QSize size = this->size();
    if (width() < twips(kMinClientWidth))
        size.setWidth(twips(kSnapOuterWidth - kFrameAcross));
    if (clientHeight < twips(kMinClientHeight))
        size.setHeight(twips(kSnapOuterHeight - kFrameDown) + menuHeight);
    if (size != this->size())
        resize(size);
}

void Form1::Form_Resize()
{
    const int outerWidth = centralWidget()->width() + twips(kFrameAcross);
    const int outerHeight = centralWidget()->height() + StatusBar1->height() + twips(kFrameDown);
    const int status = StatusBar1->height();
    const int chartWidth = std::max(0, outerWidth - twips(3000 + 200));
    TexCont->setGeometry(twips(3000), twips(1200), chartWidth, std::max(0, outerHeight - twips(1800 + 1500) - status));
    ChartPicture->setGeometry(TexCont->geometry());
    TreeView1->setGeometry(twips(240), twips(1200), twips(2655), std::max(0, outerHeight - twips(2100) - status));
    TextMark->setGeometry(twips(3000), outerHeight - twips(1800) - status, chartWidth, twips(975));
    LabelMark->move(twips(3120), outerHeight - twips(1800 + 230) - status); // 230 above the remark box
}
