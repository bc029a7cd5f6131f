#include "models/records/RecordTree.h"

#include <algorithm>

namespace models {
namespace {

constexpr std::string_view kNewGroupName = "新建组";

} // namespace

RecordTree::RecordTree()
{
    LoadTree({});
}

void RecordTree::LoadTree(const std::vector<GroupListing>& groups)
{
    m_nodes.clear();
    add(std::string(kRootKey), std::string(kRootKey), NodeKind::Root, {});
    std::vector<std::string> keys; // each folder's key, in listing order
    keys.reserve(groups.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto& name = groups[i].name;
        const std::string wanted = name == kOtherGroup ? std::string(kOtherKey) : "zu" + std::to_string(i);
        keys.push_back(add(uniqueKey(wanted), name, NodeKind::Group, std::string(kRootKey)));
    }
    for (std::size_t i = 0; i < groups.size(); ++i)
        LoadGroupNodes(groups[i], keys[i], i);
}

void RecordTree::LoadGroupNodes(const GroupListing& group, const std::string& parentKey, std::size_t i)
{
    for (std::size_t j = 0; j < group.records.size(); ++j)
        add(uniqueKey("childa" + std::to_string(i) + std::to_string(j)), group.records[j], NodeKind::Record, parentKey);
}

const TreeNode& RecordTree::root() const
{
    return m_nodes.at(std::string(kRootKey));
}

const TreeNode* RecordTree::find(std::string_view key) const
{
    const auto it = m_nodes.find(std::string(key));
    return it == m_nodes.end() ? nullptr : &it->second;
}

const TreeNode* RecordTree::group(std::string_view name) const
{
    for (const auto& key : root().children)
        if (const TreeNode* node = find(key); node->text == name)
            return node;
    return nullptr;
}

std::optional<SaveTarget> RecordTree::saveTarget(std::optional<std::string_view> selectedKey) const
{
    const TreeNode* selected = selectedKey ? find(*selectedKey) : &root();
    if (!selected)
        return std::nullopt;
    switch (selected->kind) {
    case NodeKind::Root:
        if (!find(kOtherKey))
            return std::nullopt;
        return SaveTarget{std::string(kOtherKey), "zuot"};
    case NodeKind::Record:
        return SaveTarget{selected->parent, "zunew"};
    case NodeKind::Group:
        break;
    }
    return SaveTarget{selected->key, "zunew"};
}

std::optional<std::string> RecordTree::addRecord(const std::string& groupKey, const std::string& name,
                                                 std::string_view prefix, int r)
{
    const TreeNode* group = find(groupKey);
    if (!group || group->kind != NodeKind::Group)
        return std::nullopt;
    const auto& children = group->children;
    if (std::any_of(children.begin(), children.end(), [&](const std::string& key) { return find(key)->text == name; }))
        return std::nullopt;
    const std::string wanted = std::string(prefix) + std::to_string(children.size()) + std::to_string(r);
    return add(uniqueKey(wanted), name, NodeKind::Record, groupKey);
}

std::string RecordTree::newGroupName(const std::function<bool(const std::string&)>& folderTaken) const
{
    for (std::size_t number = root().children.size() + 1;; ++number) {
        std::string name = std::string(kNewGroupName) + std::to_string(number);
        if (!group(name) && !(folderTaken && folderTaken(name)))
            return name;
    }
}

std::string RecordTree::addGroup(const std::string& name, int r)
{
    // The number in the key is the one in a "新建组" name; any other name keeps the root's next position.
    std::string number = std::to_string(root().children.size() + 1);
    if (name.starts_with(kNewGroupName))
        number = name.substr(kNewGroupName.size());
    return add(uniqueKey("newZu" + number + "_" + std::to_string(r)), name, NodeKind::Group, std::string(kRootKey));
}

void RecordTree::rename(const std::string& key, const std::string& text)
{
    if (const auto it = m_nodes.find(key); it != m_nodes.end())
        it->second.text = text;
}

void RecordTree::remove(const std::string& key)
{
    const auto it = m_nodes.find(key);
    if (it == m_nodes.end() || it->second.kind == NodeKind::Root)
        return;
    const std::vector<std::string> children = it->second.children;
    for (const auto& child : children)
        remove(child);
    auto& siblings = m_nodes.at(it->second.parent).children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), key));
    m_nodes.erase(key);
}

std::string RecordTree::uniqueKey(std::string wanted) const
{
    if (!m_nodes.contains(wanted))
        return wanted;
    for (int n = 2;; ++n)
        if (std::string key = wanted + "_" + std::to_string(n); !m_nodes.contains(key))
            return key;
}

const std::string& RecordTree::add(std::string key, std::string text, NodeKind kind, const std::string& parent)
{
    if (!parent.empty())
        m_nodes.at(parent).children.push_back(key);
    TreeNode node{key, std::move(text), kind, parent, {}};
    return m_nodes.emplace(std::move(key), std::move(node)).first->first;
}

} // namespace models
