// Form1's keyboard: Enter charts, the record tree answers the keys of its mouse actions, the shortcuts of the
// window; and the names a screen reader reads for each input control.
#include "ui/main/Form1.h"

#include "ui/common/Guarded.h"
#include "ui/common/KeyHooks.h"
#include "ui/common/Twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextDocument>
#include <QTreeView>

#include <algorithm>
#include <array>

using models::NodeKind;
using models::TreeNode;

namespace {

// The chart of the default layout with its stars, which a user reads without scrolling.
constexpr int kChartRowsShown = 38;
// The window's height above and below the chart box, the status bar excluded: the controls over it and the remark
// box under it (twips, as the resize rules place them).
constexpr int kAroundChart = 2550;
// The window manager's title bar and borders, which the available screen area must hold too.
constexpr int kTitleAllowance = 40; // pixels

// Each input control and what a screen reader calls it.
struct SpokenName
{
    QWidget* control;
    const char* name;
};

} // namespace

void Form1::buildManners()
{
    // A Tab typed over a selected chart would replace the whole chart; Tab moves on instead.
    TexCont->setTabChangesFocus(true);
    TextMark->setTabChangesFocus(true);
    // Enter charts from the name, the birth-time lists and the button; the click runs the button's guarded slot.
    const std::array<QWidget*, 8> charting = {TxtName, Combo1, Combo2, Combo3, Combo4, Combo5, Combo6, Command1};
    for (QWidget* field : charting)
        ui::onEnter(field, [this] { Command1->click(); });
    ui::onKeys(TreeView1, [this](const QKeyEvent& key) {
        bool taken = false;
        ui::runGuarded(this, [&] { taken = TreeView1_KeyDown(key); });
        return taken;
    });

    mSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    auto* fresh = new QAction(this);
    fresh->setObjectName(QStringLiteral("mNew"));
    fresh->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    addAction(fresh);
    connect(fresh, &QAction::triggered, this, [this] { clearForm(); });

    const SpokenName spoken[] = {
        {TxtName, "姓名"},      {OptSex[0], "男"},  {OptSex[1], "女"},      {ComboPai, "排列方式"},
        {CheckShen, "神煞"},    {CheckFen, "分析"}, {Combo1, "历法"},       {Combo2, "出生年"},
        {Combo3, "出生月"},     {Combo4, "出生日"}, {Combo5, "出生时"},     {Combo6, "出生分"},
        {Command1, "八字排盘"}, {TexCont, "命盘"},  {TextMark, "备注信息"}, {TreeView1, "用户组"},
        {CheckShi, "时辰不详"},
    };
    for (const auto& s : spoken)
        s.control->setAccessibleName(QString::fromUtf8(s.name));
}

// Enter opens a record, the Menu key and Shift+F10 open the menu a right click would, Delete deletes (asking
// first). F2 is the view's own edit key. Returns whether the key was used.
bool Form1::TreeView1_KeyDown(const QKeyEvent& key)
{
    const TreeNode* node = selectedNode();
    if (!node)
        return false;
    if (ui::isMenuKey(key)) {
        TreeView1->scrollTo(TreeView1->currentIndex());
        popupTreeMenu(TreeView1->visualRect(TreeView1->currentIndex()).center());
        return true;
    }
    if ((key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && node->kind == NodeKind::Record) {
        shuKan_Click();
        return true;
    }
    if (key.key() == Qt::Key_Delete && node->kind != NodeKind::Root) {
        if (node->kind == NodeKind::Record)
            shuDel_Click();
        else
            zuDel_Click();
        return true;
    }
    return false;
}

// A new person: the name, the chart and the remark go; the date lists stay, as the next birth is often close.
void Form1::clearForm()
{
    TxtName->clear();
    TexCont->clear();
    showSheet(nullptr);
    TextMark->clear();
    TxtName->setFocus(Qt::ShortcutFocusReason);
}

// Taller than the design size where the screen allows it, so the default chart shows whole; never taller than the
// screen's free area.
void Form1::fitChartRows()
{
    const QScreen* s = screen();
    if (!s)
        return;
    const int rows = kChartRowsShown * TexCont->fontMetrics().lineSpacing() +
                     static_cast<int>(2 * TexCont->document()->documentMargin()) + 2 * TexCont->frameWidth() +
                     TexCont->horizontalScrollBar()->sizeHint().height();
    const int wanted = menuBar()->sizeHint().height() + ui::twips(kAroundChart) + rows + StatusBar1->height();
    const int most = s->availableGeometry().height() - kTitleAllowance;
    resize(width(), std::max(height(), std::min(wanted, most)));
}
