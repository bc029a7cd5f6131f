#pragma once

#include "models/records/RecordTree.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace ui {

// The record tree as a view shows it: the root, its groups and their records in one column, with their pictures.
// The tree stays the data; this model follows each of its changes. A group other than 其他 takes a new name
// through in-place editing.
class RecordTreeModel : public QAbstractItemModel, private models::RecordTreeObserver
{
    Q_OBJECT

public:
    // The root and a closed group; an expanded root or group; a record.
    using Pictures = std::array<QIcon, 3>;
    // Carries out the rename of a group, in the tree too; true when the group now has the name.
    using Rename = std::function<bool(const models::TreeNode& group, const std::string& name)>;

    RecordTreeModel(models::RecordTree& tree, Pictures pictures, Rename rename, QObject* parent = nullptr);
    ~RecordTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The node behind an index of this model; nullptr for an invalid index.
    const models::TreeNode* node(const QModelIndex& index) const;
    QModelIndex indexOf(const models::TreeNode& node) const;
    // Invalid when no node has the key.
    QModelIndex indexOf(std::string_view key) const;

    // Told by the view: an expanded root or group shows the open picture.
    void setExpanded(const QModelIndex& index, bool expanded);

private:
    void beforeReset() override;
    void afterReset() override;
    void beforeInsert(const models::TreeNode& parent, std::size_t row) override;
    void afterInsert() override;
    void beforeRemove(const models::TreeNode& parent, std::size_t row) override;
    void afterRemove() override;
    void renamed(const models::TreeNode& node) override;

    void forgetExpanded(const models::TreeNode& node); // with everything under it

    models::RecordTree& m_tree;
    Pictures m_pictures;
    Rename m_rename;
    std::unordered_set<std::string> m_expanded; // keys
};

} // namespace ui
