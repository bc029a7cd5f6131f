#include "models/records/RecordTree.h"

#include <algorithm>

namespace models {
namespace {

constexpr std::string_view kNewGroupName = "新建组";

} // namespace

RecordTree::RecordTree()
{
    load({});
}

void RecordTree::load(const std::vector<GroupListing>& groups)
{
    if (m_observer)
        m_observer->beforeReset();
    m_nodes.clear();
    add(std::string(kRootKey), std::string(kRootKey), NodeKind::Root, {}, false);
    std::vector<std::string> keys; // each folder's key, in listing order
    keys.reserve(groups.size());
    for (std::size_t i = 0; i < groups.size(); ++i) {
        const auto& name = groups[i].name;
        const std::string wanted = name == kOtherGroup ? std::string(kOtherKey) : "zu" + std::to_string(i);
        keys.push_back(add(uniqueKey(wanted), name, NodeKind::Group, std::string(kRootKey), false));
    }
    for (std::size_t i = 0; i < groups.size(); ++i)
        addGroupRecords(groups[i], keys[i], i);
    if (m_observer)
        m_observer->afterReset();
}

void RecordTree::addGroupRecords(const GroupListing& group, const std::string& parentKey, std::size_t i)
{
    for (std::size_t j = 0; j < group.records.size(); ++j)
        add(uniqueKey("childa" + std::to_string(i) + std::to_string(j)), group.records[j], NodeKind::Record, parentKey,
            false);
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

std::size_t RecordTree::row(const TreeNode& node) const
{
    const TreeNode* parent = find(node.parent);
    if (!parent)
        return 0;
    const auto& siblings = parent->children;
    return static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), node.key) - siblings.begin());
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
    return add(uniqueKey(wanted), name, NodeKind::Record, groupKey, true);
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
    return add(uniqueKey("newZu" + number + "_" + std::to_string(r)), name, NodeKind::Group, std::string(kRootKey),
               true);
}

void RecordTree::rename(const std::string& key, const std::string& text)
{
    const auto it = m_nodes.find(key);
    if (it == m_nodes.end() || it->second.text == text)
        return;
    it->second.text = text;
    if (m_observer)
        m_observer->renamed(it->second);
}

void RecordTree::remove(const std::string& key)
{
    const auto it = m_nodes.find(key);
    if (it == m_nodes.end() || it->second.kind == NodeKind::Root)
        return;
    TreeNode& parent = m_nodes.at(it->second.parent);
    const std::size_t at = row(it->second);
    if (m_observer)
        m_observer->beforeRemove(parent, at);
    erase(key);
    parent.children.erase(parent.children.begin() + static_cast<std::ptrdiff_t>(at));
    if (m_observer)
        m_observer->afterRemove();
}

void RecordTree::erase(const std::string& key)
{
    const auto it = m_nodes.find(key);
    for (const auto& child : it->second.children)
        erase(child);
    m_nodes.erase(it);
}

std::string RecordTree::uniqueKey(std::string wanted) const
{
    if (!m_nodes.contains(wanted))
        return wanted;
    for (int n = 2;; ++n)
        if (std::string key = wanted + "_" + std::to_string(n); !m_nodes.contains(key))
            return key;
}

const std::string& RecordTree::add(std::string key, std::string text, NodeKind kind, const std::string& parent,
                                   bool announce)
{
    TreeNode* parentNode = parent.empty() ? nullptr : &m_nodes.at(parent);
    announce = announce && m_observer && parentNode;
    if (announce)
        m_observer->beforeInsert(*parentNode, parentNode->children.size());
    TreeNode node{key, std::move(text), kind, parent, {}};
    const std::string& added = m_nodes.emplace(std::move(key), std::move(node)).first->first;
    if (parentNode)
        parentNode->children.push_back(added);
    if (announce)
        m_observer->afterInsert();
    return added;
}

} // namespace models
