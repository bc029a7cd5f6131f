// Form1's record tree and record files: the tree view over RecordTreeModel, its menus, and the handlers that read
// the selection and the text boxes, ask RecordActions, and show what it answers.
#include "ui/main/Form1.h"

#include "engine/support/Text.h"
#include "models/records/RecordMoment.h"

#include "ui/common/Guarded.h"
#include "ui/common/QtText.h"
#include "ui/common/Questions.h"
#include "ui/common/WidgetBuilders.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>

#include <string>

using models::NodeKind;
using models::TreeNode;
using ui::fromQt;
using ui::menuItem;
using ui::toQt;

namespace {

QMessageBox::Icon iconOf(store::Notice notice)
{
    switch (notice) {
    case store::Notice::Warning:
        return QMessageBox::Warning;
    case store::Notice::Information:
        return QMessageBox::Information;
    case store::Notice::None:
    case store::Notice::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void Form1::buildTree()
{
    ImageList1 = {QIcon(QStringLiteral(":/tree/group.png")), QIcon(QStringLiteral(":/tree/open.png")),
                  QIcon(QStringLiteral(":/tree/record.png"))};
    m_treeModel = std::make_unique<ui::RecordTreeModel>(
        m_tree, ImageList1,
        [this](const TreeNode& group, const std::string& name) { return TreeView1_AfterLabelEdit(group.key, name); });
    TreeView1->setModel(m_treeModel.get());
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(true);
    TreeView1->setUniformRowHeights(true); // keeps thousands of records quick to lay out
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    TreeView1->viewport()->installEventFilter(this);
}

// Hidden top-level menus, shown only as pop-ups of the tree.
void Form1::buildTreeMenus()
{
    const auto popup = [this](const char* name, const char* title) {
        return ui::named(new QMenu(toQt(title), this), name);
    };
    menuRoot = popup("menuRoot", "树型根操作");
    zuAdd = menuItem(menuRoot, "zuAdd", "新建组");
    menuZu = popup("menuZu", "树型组操作");
    zuDel = menuItem(menuZu, "zuDel", "删除组");
    zuDaoRu = menuItem(menuZu, "zuDaoRu", "导入记录");
    zuMing = menuItem(menuZu, "zuMing", "重命名");
    menuTree = popup("menuTree", "树型右键子节点");
    shuKan = menuItem(menuTree, "shuKan", "查看记录");
    shuDel = menuItem(menuTree, "shuDel", "删除记录");
    shuDao = menuItem(menuTree, "shuDao", "导出记录");
    shuRefresh = menuItem(menuTree, "shuRefresh", "刷新用户");
}

void Form1::connectTreeHandlers()
{
    connect(TreeView1, &QTreeView::expanded, this, [this](const QModelIndex& index) { TreeView1_Expand(index); });
    connect(TreeView1, &QTreeView::collapsed, this,
            [this](const QModelIndex& index) { m_treeModel->setExpanded(index, false); });
    connect(zuAdd, &QAction::triggered, this, ui::guarded(this, &Form1::zuAdd_Click));
    connect(zuDel, &QAction::triggered, this, ui::guarded(this, &Form1::zuDel_Click));
    connect(zuDaoRu, &QAction::triggered, this, ui::guarded(this, &Form1::zuDaoRu_Click));
    connect(zuMing, &QAction::triggered, this, ui::guarded(this, &Form1::zuMing_Click));
    connect(shuKan, &QAction::triggered, this, ui::guarded(this, &Form1::shuKan_Click));
    connect(shuDel, &QAction::triggered, this, ui::guarded(this, &Form1::shuDel_Click));
    connect(shuDao, &QAction::triggered, this, ui::guarded(this, &Form1::shuDao_Click));
    connect(shuRefresh, &QAction::triggered, this, ui::guarded(this, &Form1::shuRefresh_Click));
}

void Form1::LoadTree()
{
    showOutcome(m_actions.load());
}

// The tree first, then the message over it, then the editor for a name still to be typed.
void Form1::showOutcome(const store::Outcome& outcome)
{
    if (outcome.status)
        Panel1->setText(toQt(*outcome.status));
    if (!outcome.brief.empty())
        tellStatus(toQt(outcome.brief));
    for (const auto& key : outcome.expand)
        TreeView1->expand(m_treeModel->indexOf(key));
    if (!outcome.select.empty())
        TreeView1->setCurrentIndex(m_treeModel->indexOf(outcome.select));
    if (outcome.notice != store::Notice::None) {
        QMessageBox box(iconOf(outcome.notice), windowTitle(), toQt(outcome.message), QMessageBox::Ok, this);
        box.exec();
    }
    if (outcome.editLabel)
        editLabelLater(outcome.select);
}

const TreeNode* Form1::selectedNode() const
{
    return m_treeModel->node(TreeView1->currentIndex());
}

std::string Form1::selectedKey() const
{
    const TreeNode* node = selectedNode();
    return node ? node->key : std::string();
}

void Form1::tellStatus(const QString& text)
{
    constexpr int kShownMs = 5000;
    StatusBar1->showMessage(text, kShownMs);
}

void Form1::TreeView1_Expand(const QModelIndex& index)
{
    m_treeModel->setExpanded(index, true);
}

void Form1::mSave_Click()
{
    SaveRecord(fromQt(TxtName->text()));
}

bool Form1::SaveRecord(const std::string& name)
{
    const store::RecordDraft draft{name, fromQt(TexCont->toPlainText()), fromQt(TextMark->toPlainText())};
    if (const auto old = m_actions.replacedBy(selectedKey(), draft)) {
        const std::string question = "组“" + old->group + "”中已有“" + old->name + "”的记录，要替换它吗？";
        if (!ui::askYes(this, toQt(question)))
            return false;
    }
    const store::Outcome outcome = m_actions.save(selectedKey(), draft);
    showOutcome(outcome);
    return outcome.effect == store::Effect::Done;
}

// The chart is shown as stored; nothing is recomputed. A file that is missing or not a record changes nothing.
void Form1::ShowRecord(const std::string& group, const std::string& name)
{
    const auto record = m_store.readRecord(group, name);
    if (!record)
        return;
    TexCont->setPlainText(toQt(record->chart));
    TextMark->setPlainText(toQt(record->remark));
    TxtName->setText(toQt(name));
    OptSex[record->sex == "男" ? 0 : 1]->setChecked(true);
    if (record->birth)
        setBirthMoment(*record->birth); // noon when the hour is unknown, as it was charted
    CheckShi->setChecked(record->hourUnknown);
    // The record charts again as it was charted, whatever the current choices.
    const auto request = models::recordRequest(*record);
    const auto* made = std::get_if<models::ChartRequest>(&request);
    if (made)
        restoreChoices(*made);
    auto drawn = made ? std::optional(*made) : std::nullopt;
    if (drawn)
        drawn->drawn = true; // the drawn chart always shows the analysis
    const auto chart = drawn ? models::chartOf(*drawn, engine::systemClock())
                             : std::variant<models::Chart, models::Refusal>(models::Refusal{});
    showSheet(std::get_if<models::Chart>(&chart));
    if (record->replaced > 0) // the text shown holds U+FFFD where the file's bytes were no text: never silently
        tellStatus(QStringLiteral("记录含 %1 处无法识别的字节，已显示为 \uFFFD").arg(record->replaced));
}

// Qt selects the node under the pointer when a button goes down, so the selection is the node clicked, or the
// earlier one when the click hit empty space.
void Form1::TreeView1_MouseUp(Qt::MouseButton button, const QPoint& pos)
{
    const TreeNode* selected = selectedNode();
    if (!selected)
        return;
    if (button == Qt::LeftButton) {
        if (const auto record = m_actions.record(selected->key))
            ShowRecord(record->group, record->name);
        return;
    }
    if (button == Qt::RightButton)
        popupTreeMenu(pos);
}

// A record's menu only when the record is under `pos`; the root's and a group's wherever the selection is.
void Form1::popupTreeMenu(const QPoint& pos)
{
    const TreeNode* selected = selectedNode();
    if (!selected)
        return;
    const QPoint global = TreeView1->viewport()->mapToGlobal(pos);
    switch (selected->kind) {
    case NodeKind::Root:
        menuRoot->popup(global);
        break;
    case NodeKind::Record:
        if (const QModelIndex under = TreeView1->indexAt(pos); under.isValid()) {
            TreeView1->setCurrentIndex(under);
            menuTree->popup(global);
        }
        break;
    case NodeKind::Group:
        menuZu->popup(global);
        break;
    }
}

// Called by the model while the editor is still open: the rename happens now, what it says once the editor has
// closed, so that a message box or a reopened editor does not meet the closing one.
bool Form1::TreeView1_AfterLabelEdit(const std::string& key, const std::string& name)
{
    const store::Outcome outcome = m_actions.renameGroup(key, name);
    QTimer::singleShot(0, this, [this, outcome] { ui::runGuarded(this, [&] { showOutcome(outcome); }); });
    return outcome.effect == store::Effect::Done;
}

void Form1::editLabelLater(const std::string& key)
{
    QTimer::singleShot(0, this, [this, key] {
        if (const QModelIndex index = m_treeModel->indexOf(key); index.isValid()) {
            TreeView1->setCurrentIndex(index);
            TreeView1->edit(index);
        }
    });
}

// The file dialog of record export and import, opening in the folder used last (at first the documents folder);
// nothing when it is cancelled. An export proposes the record's name.
std::optional<std::string> Form1::askFileName(bool saving, const QString& proposed, const FileKind& kind)
{
    if (m_lastFolder.isEmpty())
        m_lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, windowTitle(), m_lastFolder);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setNameFilter(kind.filter);
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(kind.suffix);
        dialog.selectFile(proposed + QLatin1Char('.') + kind.suffix);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().front();
    m_lastFolder = QFileInfo(chosen).absolutePath();
    return fromQt(chosen);
}

void Form1::shuKan_Click()
{
    if (const auto record = m_actions.record(selectedKey(), true))
        ShowRecord(record->group, record->name);
}

void Form1::shuDel_Click()
{
    const TreeNode* node = selectedNode();
    if (node && node->kind == NodeKind::Record && !ui::askYes(this, toQt("要删除记录“" + node->text + "”吗？")))
        return;
    showOutcome(m_actions.deleteRecord(selectedKey()));
}

void Form1::shuDao_Click()
{
    const TreeNode* node = selectedNode();
    const QString proposed = node ? toQt(engine::trimName(node->text)) : QString();
    showOutcome(m_actions.exportRecord(selectedKey(), [this, &proposed] { return askFileName(true, proposed); }));
}

void Form1::shuRefresh_Click()
{
    LoadTree();
}

void Form1::zuAdd_Click()
{
    showOutcome(m_actions.addGroup());
}

// Only a deletion that can go through is asked about: 其他 and a group with records are refused with their message.
void Form1::zuDel_Click()
{
    const TreeNode* node = selectedNode();
    const bool deletable =
        node && node->kind == NodeKind::Group && node->key != models::kOtherKey && node->children.empty();
    if (deletable && !ui::askYes(this, toQt("要删除组“" + node->text + "”吗？")))
        return;
    showOutcome(m_actions.deleteGroup(selectedKey()));
}

void Form1::zuDaoRu_Click()
{
    showOutcome(m_actions.importInto(selectedKey(), [this] { return askFileName(false); }));
}

void Form1::zuMing_Click()
{
    const TreeNode* node = selectedNode();
    if (node && node->kind != NodeKind::Root)
        TreeView1->edit(TreeView1->currentIndex());
}
