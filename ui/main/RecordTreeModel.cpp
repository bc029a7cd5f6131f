#include "ui/main/RecordTreeModel.h"

#include "ui/common/QtText.h"

#include <utility>

using models::NodeKind;
using models::TreeNode;

namespace ui {
namespace {

enum Picture : std::size_t {
    kClosed = 0,
    kOpen = 1,
    kRecord = 2,
};

} // namespace

RecordTreeModel::RecordTreeModel(models::RecordTree& tree, Pictures pictures, Rename rename, QObject* parent)
    : QAbstractItemModel(parent), m_tree(tree), m_pictures(std::move(pictures)), m_rename(std::move(rename))
{
    m_tree.setObserver(this);
}

RecordTreeModel::~RecordTreeModel()
{
    m_tree.setObserver(nullptr);
}

const TreeNode* RecordTreeModel::node(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<const TreeNode*>(index.constInternalPointer()) : nullptr;
}

QModelIndex RecordTreeModel::indexOf(const TreeNode& node) const
{
    return createIndex(static_cast<int>(m_tree.row(node)), 0, &node);
}

QModelIndex RecordTreeModel::indexOf(std::string_view key) const
{
    const TreeNode* found = m_tree.find(key);
    return found ? indexOf(*found) : QModelIndex();
}

QModelIndex RecordTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    const TreeNode* above = node(parent);
    if (!above) // the root is the one top-level row
        return indexOf(m_tree.root());
    return createIndex(row, column, m_tree.find(above->children[static_cast<std::size_t>(row)]));
}

QModelIndex RecordTreeModel::parent(const QModelIndex& child) const
{
    const TreeNode* below = node(child);
    const TreeNode* above = below ? m_tree.find(below->parent) : nullptr;
    return above ? indexOf(*above) : QModelIndex();
}

int RecordTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    const TreeNode* above = node(parent);
    return above ? static_cast<int>(above->children.size()) : 1;
}

int RecordTreeModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant RecordTreeModel::data(const QModelIndex& index, int role) const
{
    const TreeNode* shown = node(index);
    if (!shown)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return toQt(shown->text);
    case Qt::DecorationRole:
        if (shown->kind == NodeKind::Record)
            return m_pictures[kRecord];
        return m_pictures[m_expanded.contains(shown->key) ? kOpen : kClosed];
    default:
        return {};
    }
}

bool RecordTreeModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    return m_rename && m_rename(*node(index), fromQt(value.toString()));
}

Qt::ItemFlags RecordTreeModel::flags(const QModelIndex& index) const
{
    const TreeNode* shown = node(index);
    if (!shown)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (shown->kind == NodeKind::Record)
        flags |= Qt::ItemNeverHasChildren;
    if (shown->kind == NodeKind::Group && shown->key != models::kOtherKey) // 其他 and the root keep their names
        flags |= Qt::ItemIsEditable;
    return flags;
}

void RecordTreeModel::setExpanded(const QModelIndex& index, bool expanded)
{
    const TreeNode* shown = node(index);
    if (!shown || shown->kind == NodeKind::Record)
        return;
    const bool changed = expanded ? m_expanded.insert(shown->key).second : m_expanded.erase(shown->key) > 0;
    if (changed)
        emit dataChanged(index, index, {Qt::DecorationRole});
}

void RecordTreeModel::beforeReset()
{
    beginResetModel();
    m_expanded.clear();
}

void RecordTreeModel::afterReset()
{
    endResetModel();
}

void RecordTreeModel::beforeInsert(const TreeNode& parent, std::size_t row)
{
    const int at = static_cast<int>(row);
    beginInsertRows(indexOf(parent), at, at);
}

void RecordTreeModel::afterInsert()
{
    endInsertRows();
}

// A key can come back on a later node, which must not start out open.
void RecordTreeModel::beforeRemove(const TreeNode& parent, std::size_t row)
{
    const int at = static_cast<int>(row);
    beginRemoveRows(indexOf(parent), at, at);
    forgetExpanded(*m_tree.find(parent.children[row]));
}

void RecordTreeModel::afterRemove()
{
    endRemoveRows();
}

void RecordTreeModel::renamed(const TreeNode& node)
{
    const QModelIndex shown = indexOf(node);
    emit dataChanged(shown, shown, {Qt::DisplayRole, Qt::EditRole});
}

void RecordTreeModel::forgetExpanded(const TreeNode& node)
{
    m_expanded.erase(node.key);
    for (const auto& child : node.children)
        forgetExpanded(*m_tree.find(child));
}

} // namespace ui
