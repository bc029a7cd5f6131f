#pragma once

#include "models/records/RecordTree.h"
#include "store/RecordStore.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// What the record menus of the main window do, on the data directory and the tree together. No widgets: each
// operation returns an outcome, and the window only shows it. Nodes are named by their keys in the tree.
namespace store {

// What an operation came to.
enum class Effect {
    None,    // nothing to act on, or the user cancelled
    Refused, // a rule of the records said no; nothing changed
    Failed,  // the data directory said no; nothing changed
    Done,    // carried out; where the tree shows the change, the store holds it too
};

// How the window shows a message: a box without an icon, with a warning or with an information icon.
enum class Notice {
    None,
    Plain,
    Warning,
    Information,
};

struct Outcome
{
    Effect effect = Effect::None;
    Notice notice = Notice::None;
    std::string message;               // the box's text, when there is a notice
    std::string select;                // the node to make current; empty: the selection stays
    std::vector<std::string> expand;   // the nodes to expand, in this order
    bool editLabel = false;            // start in-place editing on `select`
    std::optional<std::string> status; // a new text for the status line
    std::string brief;                 // what was done, for the status line a few seconds; empty: nothing to say
};

// What a save writes, as the window holds it.
struct RecordDraft
{
    std::string name; // the name box, untrimmed
    std::string chart;
    std::string remark;
};

// A record as the tree names it: its group's text and its own.
struct RecordRef
{
    std::string group;
    std::string name;
};

class RecordActions
{
public:
    // A file dialog: the chosen path, or nothing when it is cancelled.
    using FileQuestion = std::function<std::optional<std::string>()>;
    // A whole number from 1 to 100, for the keys of new nodes.
    using KeyNumber = std::function<int()>;

    RecordActions(RecordStore& store, models::RecordTree& tree, KeyNumber keyNumber = randomKeyNumber);

    static int randomKeyNumber();

    // Rebuilds the tree from the data directory; selects and expands the root.
    Outcome load();
    // Saves the draft into the selected node's group (其他 when nothing or the root is selected) and adds its node.
    Outcome save(const std::string& selected, const RecordDraft& draft);
    // The record a save of the draft would replace: its group and trimmed name, or nothing when there is none (or
    // when the save would be refused anyway).
    std::optional<RecordRef> replacedBy(const std::string& selected, const RecordDraft& draft);
    // The record of a record node; with `trimmed`, both texts trimmed and nothing when either is then empty.
    std::optional<RecordRef> record(const std::string& key, bool trimmed = false) const;
    // Gives a group other than 其他 a new name, folder and node together.
    Outcome renameGroup(const std::string& key, const std::string& name);
    // Makes the group "新建组" + (n + 1) and asks for its name to be typed.
    Outcome addGroup();
    Outcome deleteRecord(const std::string& key);
    Outcome deleteGroup(const std::string& key);
    // Copies a chosen file into the group and rebuilds the tree; cancelling is a failure.
    Outcome importInto(const std::string& groupKey, const FileQuestion& askSource);
    // Copies the record's file to a chosen path; cancelling does nothing.
    Outcome exportRecord(const std::string& key, const FileQuestion& askTarget);

private:
    // The node of `key` when it is of that kind.
    const models::TreeNode* node(const std::string& key, models::NodeKind kind) const;
    std::optional<models::SaveTarget> saveTarget(const std::string& selected) const;
    // The text of the group a save goes to.
    std::string saveGroup(const std::string& selected) const;
    Outcome writeRecord(const std::string& selected, const std::string& name, const RecordDraft& draft);
    std::optional<std::string> locationNote();

    RecordStore& m_store;
    models::RecordTree& m_tree;
    KeyNumber m_keyNumber;
};

} // namespace store
