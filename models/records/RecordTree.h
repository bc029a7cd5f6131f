#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// What the record tree shows: a root, one node per group folder, one node per record file; each node with a key,
// a text and a kind. Plain C++: the window draws it, the record store lists the folders it is built from.
namespace models {

inline constexpr std::string_view kRootKey = "用户组"; // the root's key and text
inline constexpr std::string_view kOtherKey = "zuOther";
inline constexpr std::string_view kOtherGroup = "其他";

enum class NodeKind {
    Root,
    Group,
    Record,
};

struct TreeNode
{
    std::string key;
    std::string text;
    NodeKind kind = NodeKind::Root;
    std::string parent;                // key; empty for the root
    std::vector<std::string> children; // keys, in the order shown
};

// One group folder: its name and the names of its records, in listing order.
struct GroupListing
{
    std::string name;
    std::vector<std::string> records;
};

// Where a save puts its record: the group's key and the prefix of the new record node's key.
struct SaveTarget
{
    std::string groupKey;
    std::string_view prefix; // "zuot" or "zunew"
};

// Told of every change to a tree, before and after, in the order an item model announces its own; a view's model
// follows the tree through these. Between a "before" and its "after" the tree is as it was.
class RecordTreeObserver
{
public:
    virtual ~RecordTreeObserver() = default;
    virtual void beforeReset() = 0;
    virtual void afterReset() = 0;
    // A node comes in as child `row` of `parent`.
    virtual void beforeInsert(const TreeNode& parent, std::size_t row) = 0;
    virtual void afterInsert() = 0;
    // Child `row` of `parent` goes, with everything under it.
    virtual void beforeRemove(const TreeNode& parent, std::size_t row) = 0;
    virtual void afterRemove() = 0;
    virtual void renamed(const TreeNode& node) = 0;
};

class RecordTree
{
public:
    RecordTree(); // the root alone

    // One observer at a time; nullptr for none. The observer must outlive the tree or be replaced first.
    void setObserver(RecordTreeObserver* observer) { m_observer = observer; }

    // Rebuilds the whole tree from the folders, with the keys "zuOther", "zu" + i and "childa" + i + j.
    void load(const std::vector<GroupListing>& groups);

    const TreeNode& root() const;
    const TreeNode* find(std::string_view key) const;
    std::size_t size() const { return m_nodes.size(); }

    // The node's place among its parent's children; 0 for the root.
    std::size_t row(const TreeNode& node) const;

    // The group node of that name, if any.
    const TreeNode* group(std::string_view name) const;

    // No node or the root: the group 其他; a record: its group; a group: itself. Nothing when 其他 is not in the
    // tree or the key is unknown.
    std::optional<SaveTarget> saveTarget(std::optional<std::string_view> selectedKey) const;

    // Adds the record `name` under the group unless a child already has that text, with the key prefix + n + r
    // (n the group's child count). Returns the key of the new node, or nothing when none was added.
    std::optional<std::string> addRecord(const std::string& groupKey, const std::string& name, std::string_view prefix,
                                         int r);

    // The name of a new group, "新建组" + (n + 1) for a root with n children, counting on past names that a group
    // node or `folderTaken` already holds.
    std::string newGroupName(const std::function<bool(const std::string&)>& folderTaken) const;

    // Adds a group node made by "新建组" with the key "newZu" + number + "_" + r; returns its key.
    std::string addGroup(const std::string& name, int r);

    void rename(const std::string& key, const std::string& text);

    // Removes the node and everything under it; the root stays.
    void remove(const std::string& key);

private:
    void addGroupRecords(const GroupListing& group, const std::string& parentKey, std::size_t i);
    // The wanted key, or the first of wanted + "_2", "_3" ... that no node has: the published key forms can
    // repeat ("childa" + 1 + 11 and "childa" + 11 + 1), and a key must name one node.
    std::string uniqueKey(std::string wanted) const;
    // Adds a node as the last child of `parent`, announcing it when `announce` is set.
    const std::string& add(std::string key, std::string text, NodeKind kind, const std::string& parent, bool announce);
    void erase(const std::string& key); // the node and everything under it, unannounced

    std::unordered_map<std::string, TreeNode> m_nodes;
    RecordTreeObserver* m_observer = nullptr;
};

} // namespace models
