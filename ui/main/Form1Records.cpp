// Form1's record tree and record files: the tree widget drawn from RecordTree, its menus, and the handlers that
// ask RecordStore to save, show, copy and delete.
#include "ui/main/Form1.h"

#include "ui/common/Guarded.h"

#include "ui/common/QtText.h"
#include "ui/common/WidgetBuilders.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <string>

using models::NodeKind;
using models::TreeNode;
using ui::fromQt;
using ui::menuItem;
using ui::toQt;

namespace {

constexpr int kKeyRole = Qt::UserRole;

// Hands the text of a finished in-place edit to the window instead of writing it into the item: the window
// decides, once the editor has closed, whether the group takes the name.
class LabelEditDelegate : public QStyledItemDelegate
{
public:
    using Finished = std::function<void(const QModelIndex&, const QString&)>;

    LabelEditDelegate(QObject* parent, Finished finished) : QStyledItemDelegate(parent), m_finished(std::move(finished))
    {
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        if (const auto* line = qobject_cast<QLineEdit*>(editor))
            m_finished(index, line->text());
    }

private:
    Finished m_finished;
};

void message(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, parent->windowTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

// A whole number from 1 to 100, for the published key forms.
int drawKeyNumber()
{
    return QRandomGenerator::global()->bounded(1, 101);
}

std::string trimmed(const std::string& text)
{
    return fromQt(toQt(text).trimmed());
}

} // namespace

void Form1::buildTree()
{
    ImageList1 = {QIcon(QStringLiteral(":/tree/group.png")), QIcon(QStringLiteral(":/tree/open.png")),
                  QIcon(QStringLiteral(":/tree/record.png"))};
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(true);
    TreeView1->setUniformRowHeights(true); // keeps thousands of records quick to lay out
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    TreeView1->setItemDelegate(new LabelEditDelegate(TreeView1, [this](const QModelIndex& index, const QString& text) {
        const std::string key = fromQt(index.data(kKeyRole).toString());
        const QString oldText = index.data(Qt::DisplayRole).toString();
        // Later, once the editor has closed: a message box or a reopened editor must not meet the closing one.
        QTimer::singleShot(0, this, [this, key, oldText, text] {
            ui::runGuarded(this, [&] { TreeView1_AfterLabelEdit(key, oldText, text); });
        });
    }));
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
    connect(TreeView1, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { item->setIcon(0, ImageList1[1]); });
    connect(TreeView1, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { item->setIcon(0, ImageList1[0]); });
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
    m_tree.load(m_store.listGroups());
    showDataLocation();
    TreeView1->clear();
    const TreeNode& root = m_tree.root();
    QTreeWidgetItem* rootItem = treeItem(root);
    for (const auto& groupKey : root.children) {
        const TreeNode& group = *m_tree.find(groupKey);
        QTreeWidgetItem* groupItem = treeItem(group);
        QList<QTreeWidgetItem*> records;
        records.reserve(static_cast<qsizetype>(group.children.size()));
        for (const auto& recordKey : group.children)
            records.append(treeItem(*m_tree.find(recordKey)));
        groupItem->addChildren(records); // before the group joins the view: one insertion, not thousands
        rootItem->addChild(groupItem);
    }
    TreeView1->addTopLevelItem(rootItem);
    TreeView1->setCurrentItem(rootItem);
    rootItem->setExpanded(true);
}

void Form1::showDataLocation()
{
    const auto path = m_store.GetDataPath();
    if (!path)
        Panel1->setText(QStringLiteral("无法创建数据目录，记录不能保存"));
    else if (m_store.location() == store::DataLocation::PerUser)
        Panel1->setText(QStringLiteral("程序目录不可写，记录保存在：") + toQt(*path));
}

QTreeWidgetItem* Form1::treeItem(const TreeNode& node) const
{
    auto* item = new QTreeWidgetItem(QStringList{toQt(node.text)});
    item->setData(0, kKeyRole, toQt(node.key));
    item->setIcon(0, node.kind == NodeKind::Record ? ImageList1[2] : ImageList1[0]);
    if (node.kind == NodeKind::Group)
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

QTreeWidgetItem* Form1::findItem(const std::string& key) const
{
    const TreeNode* node = m_tree.find(key);
    if (!node)
        return nullptr;
    if (node->kind == NodeKind::Root)
        return TreeView1->topLevelItem(0);
    QTreeWidgetItem* parent = findItem(node->parent);
    const QString wanted = toQt(key);
    for (int i = 0; parent && i < parent->childCount(); ++i)
        if (parent->child(i)->data(0, kKeyRole).toString() == wanted)
            return parent->child(i);
    return nullptr;
}

const TreeNode* Form1::selectedNode() const
{
    const QTreeWidgetItem* item = TreeView1->currentItem();
    return item ? m_tree.find(fromQt(item->data(0, kKeyRole).toString())) : nullptr;
}

void Form1::mSave_Click()
{
    if (TexCont->toPlainText().isEmpty()) {
        warn(QStringLiteral("请先八字排盘，在保存"));
        return;
    }
    const std::string name = fromQt(TxtName->text().trimmed());
    if (name.empty()) {
        warn(QStringLiteral("请填写姓名，在保存"));
        return;
    }
    if (SaveRecord(name))
        warn(QStringLiteral("数据保存完毕"));
}

// Writes the file first and adds the node only when the record is on disk, so the tree never lists a record
// that a failed save did not write.
bool Form1::SaveRecord(const std::string& name)
{
    const TreeNode* selected = selectedNode();
    const auto target = m_tree.saveTarget(selected ? std::optional<std::string_view>(selected->key) : std::nullopt);
    const std::string group = target ? m_tree.find(target->groupKey)->text : std::string(models::kOtherGroup);
    const auto error = m_store.saveRecord(group, name, fromQt(TexCont->toPlainText()), fromQt(TextMark->toPlainText()));
    if (error) {
        warn(toQt(*error));
        return false;
    }
    if (!target) { // the tree had lost 其他; the folders tell again
        LoadTree();
        return true;
    }
    QTreeWidgetItem* groupItem = findItem(target->groupKey);
    if (const auto key = m_tree.addRecord(target->groupKey, name, target->prefix, drawKeyNumber()); key && groupItem)
        groupItem->addChild(treeItem(*m_tree.find(*key)));
    if (groupItem)
        groupItem->setExpanded(true);
    return true;
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
        setBirthMoment(*record->birth);
}

// Qt selects the node under the pointer when a button goes down, so the selection is the node clicked, or the
// earlier one when the click hit empty space.
void Form1::TreeView1_MouseUp(Qt::MouseButton button, const QPoint& pos)
{
    const TreeNode* selected = selectedNode();
    if (!selected)
        return;
    if (button == Qt::LeftButton) {
        if (selected->kind == NodeKind::Record)
            ShowRecord(m_tree.find(selected->parent)->text, selected->text);
        return;
    }
    if (button != Qt::RightButton)
        return;
    const QPoint global = TreeView1->viewport()->mapToGlobal(pos);
    switch (selected->kind) {
    case NodeKind::Root:
        menuRoot->popup(global);
        break;
    case NodeKind::Record:
        if (QTreeWidgetItem* item = TreeView1->itemAt(pos)) {
            TreeView1->setCurrentItem(item);
            menuTree->popup(global);
        }
        break;
    case NodeKind::Group:
        menuZu->popup(global);
        break;
    }
}

void Form1::TreeView1_AfterLabelEdit(const std::string& key, const QString& oldText, const QString& newText)
{
    const TreeNode* node = m_tree.find(key);
    QTreeWidgetItem* item = findItem(key);
    // The root, 其他 and records keep their names; so does a node that changed while the editor was open.
    if (!node || !item || node->kind != NodeKind::Group || key == models::kOtherKey || toQt(node->text) != oldText)
        return;
    if (newText.isEmpty()) {
        message(this, QMessageBox::NoIcon, QStringLiteral("你必须输入一个名称 "));
        return;
    }
    const std::string name = fromQt(newText);
    if (m_tree.group(name)) { // the group being edited counts too
        message(this, QMessageBox::Warning, QStringLiteral("结点已经存在！ "));
        editLabelLater(key);
        return;
    }
    if (const auto problem = models::nameProblem(name)) {
        warn(QStringLiteral("该名称不能用作文件名：") + toQt(*problem));
        editLabelLater(key);
        return;
    }
    if (const auto error = m_store.renameGroup(node->text, name)) {
        message(this, QMessageBox::NoIcon, toQt(*error)); // the folder keeps its name, so the node does too
        return;
    }
    m_tree.rename(key, name);
    item->setText(0, newText);
}

void Form1::editLabelLater(const std::string& key)
{
    QTimer::singleShot(0, this, [this, key] {
        if (QTreeWidgetItem* item = findItem(key)) {
            TreeView1->setCurrentItem(item);
            TreeView1->editItem(item);
        }
    });
}

// The file dialog of record export and import; nothing when it is cancelled.
std::optional<QString> Form1::askFileName(bool saving)
{
    QFileDialog dialog(this, windowTitle());
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setNameFilter(QStringLiteral("Text Files (*.txt)"));
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        dialog.selectFile(QStringLiteral("文件名信息"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

void Form1::shuKan_Click()
{
    const TreeNode* node = selectedNode();
    if (!node || node->kind == NodeKind::Root)
        return;
    const std::string name = trimmed(node->text);
    const std::string group = trimmed(m_tree.find(node->parent)->text);
    if (!name.empty() && !group.empty())
        ShowRecord(group, name);
}

void Form1::shuDel_Click()
{
    const TreeNode* node = selectedNode();
    if (!node || node->kind != NodeKind::Record)
        return;
    const std::string key = node->key;
    if (const auto error = m_store.deleteRecord(m_tree.find(node->parent)->text, node->text)) {
        warn(toQt(*error));
        return;
    }
    delete findItem(key);
    m_tree.remove(key);
}

void Form1::shuDao_Click()
{
    const TreeNode* node = selectedNode();
    if (!node || node->kind != NodeKind::Record)
        return;
    const std::string name = trimmed(node->text);
    const std::string group = trimmed(m_tree.find(node->parent)->text);
    if (name.empty() || group.empty())
        return;
    const auto target = askFileName(true);
    if (!target)
        return;
    const auto error = m_store.exportRecord(group, name, fromQt(*target));
    message(this, QMessageBox::Information, error ? toQt(*error) : QStringLiteral("文件导出成功!"));
}

void Form1::shuRefresh_Click()
{
    LoadTree();
}

void Form1::zuAdd_Click()
{
    const int r = drawKeyNumber();
    const std::string name = m_tree.newGroupName([this](const std::string& n) { return m_store.groupExists(n); });
    if (m_store.createGroup(name)) // any error ends silently
        return;
    const std::string key = m_tree.addGroup(name, r);
    QTreeWidgetItem* rootItem = findItem(std::string(models::kRootKey));
    QTreeWidgetItem* item = treeItem(*m_tree.find(key));
    rootItem->addChild(item);
    rootItem->setExpanded(true);
    TreeView1->setCurrentItem(item);
    TreeView1->editItem(item); // the user types the name the group should have
}

void Form1::zuDel_Click()
{
    const TreeNode* node = selectedNode();
    if (!node || node->kind != NodeKind::Group)
        return;
    const std::string key = node->key;
    const auto outcome = key == models::kOtherKey ? store::GroupDeletion::Protected : m_store.deleteGroup(node->text);
    switch (outcome) {
    case store::GroupDeletion::Protected:
        message(this, QMessageBox::NoIcon, QStringLiteral("对不起，该组不能删除！"));
        return;
    case store::GroupDeletion::HasRecords:
        message(this, QMessageBox::NoIcon, QStringLiteral("该组下有用户数据，请删除组下数据后在删除该组"));
        return;
    case store::GroupDeletion::Failed:
        message(this, QMessageBox::NoIcon, QStringLiteral("该组未能删除！"));
        return;
    case store::GroupDeletion::Deleted:
        break;
    }
    delete findItem(key);
    m_tree.remove(key);
}

void Form1::zuDaoRu_Click()
{
    const TreeNode* node = selectedNode();
    if (!node || node->kind != NodeKind::Group)
        return;
    const std::string group = trimmed(node->text);
    if (group.empty())
        return;
    const auto source = askFileName(false);
    const auto error =
        source ? m_store.importFile(group, fromQt(*source)) : std::optional<std::string>("文件导入失败!");
    if (error) {
        message(this, QMessageBox::Information, toQt(*error));
        return;
    }
    message(this, QMessageBox::Information, QStringLiteral("文件导入成功!"));
    LoadTree();
    if (const TreeNode* imported = m_tree.group(group))
        if (QTreeWidgetItem* item = findItem(imported->key))
            item->setExpanded(true);
}

void Form1::zuMing_Click()
{
    const TreeNode* node = selectedNode();
    if (node && node->kind != NodeKind::Root)
        TreeView1->editItem(TreeView1->currentItem());
}
