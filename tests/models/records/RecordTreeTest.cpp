#include "models/records/RecordTree.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using models::NodeKind;
using models::RecordTree;

namespace {

std::vector<std::string> texts(const RecordTree& tree, const std::vector<std::string>& keys)
{
    std::vector<std::string> out;
    for (const auto& key : keys)
        out.push_back(tree.find(key)->text);
    return out;
}

TEST(RecordTree, KeysCountEveryFolderInListingOrder)
{
    RecordTree tree;
    tree.load({{"A", {"甲", "乙"}}, {"其他", {"丙"}}, {"B", {}}});
    EXPECT_EQ(tree.root().key, "用户组");
    EXPECT_EQ(tree.root().text, "用户组");
    EXPECT_EQ(tree.root().children, (std::vector<std::string>{"zu0", "zuOther", "zu2"}));
    EXPECT_EQ(tree.find("zu0")->children, (std::vector<std::string>{"childa00", "childa01"}));
    EXPECT_EQ(tree.find("zuOther")->children, (std::vector<std::string>{"childa10"}));
    EXPECT_EQ(tree.find("childa10")->text, "丙");
    EXPECT_EQ(tree.find("childa10")->kind, NodeKind::Record);
    EXPECT_EQ(tree.find("childa10")->parent, "zuOther");
    EXPECT_EQ(tree.find("zu2")->kind, NodeKind::Group);
    EXPECT_TRUE(tree.find("zu2")->children.empty());
}

TEST(RecordTree, RepeatedKeyFormsStillNameOneNodeEach)
{
    // Group 1 record 11 and group 11 record 1 both make "childa111".
    std::vector<models::GroupListing> groups(12);
    for (std::size_t i = 0; i < groups.size(); ++i)
        groups[i].name = "组" + std::to_string(i);
    for (int j = 0; j < 12; ++j)
        groups[1].records.push_back("一" + std::to_string(j));
    groups[11].records = {"十一0", "十一1"};
    RecordTree tree;
    tree.load(groups);
    EXPECT_EQ(tree.size(), 1u + 12u + 14u);
    std::set<std::string> shown;
    for (const auto& groupKey : tree.root().children)
        for (const auto& recordKey : tree.find(groupKey)->children)
            shown.insert(tree.find(groupKey)->text + "/" + tree.find(recordKey)->text);
    EXPECT_EQ(shown.size(), 14u);
    EXPECT_EQ(tree.find("childa111")->text, "一11"); // the first one keeps the plain key
    EXPECT_EQ(texts(tree, tree.find("zu11")->children), (std::vector<std::string>{"十一0", "十一1"}));
}

TEST(RecordTree, SaveGoesToTheSelectedGroupOrToOther)
{
    RecordTree tree;
    tree.load({{"其他", {"甲"}}, {"A", {"乙"}}});
    const struct
    {
        const char* why;
        std::optional<std::string_view> selected;
        const char* group;
        const char* prefix;
    } kCases[] = {
        {"no node selected", std::nullopt, "zuOther", "zuot"},
        {"the root", "用户组", "zuOther", "zuot"},
        {"a record of A", "childa10", "zu1", "zunew"},
        {"the group A", "zu1", "zu1", "zunew"},
        {"the group 其他 itself", "zuOther", "zuOther", "zunew"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const auto target = tree.saveTarget(c.selected);
        ASSERT_TRUE(target);
        EXPECT_EQ(target->groupKey, c.group);
        EXPECT_EQ(target->prefix, c.prefix);
    }
    EXPECT_FALSE(tree.saveTarget("no such key"));
    RecordTree without;
    without.load({{"A", {}}});
    EXPECT_FALSE(without.saveTarget(std::nullopt));
}

TEST(RecordTree, SavedRecordKeyIsPrefixChildCountAndNumber)
{
    RecordTree tree;
    tree.load({{"其他", {"甲", "乙", "丙"}}});
    EXPECT_EQ(tree.addRecord("zuOther", "丁", "zuot", 5), "zuot35");
    EXPECT_FALSE(tree.addRecord("zuOther", "丁", "zuot", 7)); // the same name twice: one node
    EXPECT_EQ(tree.find("zuOther")->children.size(), 4u);
    // After a removal the child count comes round again, and with the same number so does the key.
    EXPECT_EQ(tree.addRecord("zuOther", "戊", "zuot", 5), "zuot45");
    tree.remove("zuot35");
    EXPECT_EQ(tree.addRecord("zuOther", "己", "zuot", 5), "zuot45_2");
    EXPECT_FALSE(tree.addRecord("childa00", "x", "zunew", 1)); // a record is no group
}

TEST(RecordTree, NewGroupNameCountsOnFromTheRootsChildren)
{
    RecordTree tree;
    tree.load({{"其他", {}}, {"A", {}}});
    EXPECT_EQ(tree.newGroupName({}), "新建组3");
    const std::string key = tree.addGroup("新建组3", 42);
    EXPECT_EQ(key, "newZu3_42");
    EXPECT_EQ(tree.find(key)->kind, NodeKind::Group);
    EXPECT_EQ(tree.newGroupName({}), "新建组4");
    tree.remove("zu1"); // A; two children again, and 新建组3 is taken
    EXPECT_EQ(tree.newGroupName({}), "新建组4");
    EXPECT_EQ(tree.newGroupName([](const std::string& name) { return name == "新建组4"; }), "新建组5");
}

TEST(RecordTree, GroupLookupAndRemoval)
{
    RecordTree tree;
    tree.load({{"其他", {"A"}}, {"A", {"甲"}}});
    ASSERT_NE(tree.group("A"), nullptr);
    EXPECT_EQ(tree.group("A")->key, "zu1"); // the group, not the record of the same text
    EXPECT_EQ(tree.group("甲"), nullptr);
    tree.rename("zu1", "B");
    EXPECT_EQ(tree.group("A"), nullptr);
    EXPECT_NE(tree.group("B"), nullptr);
    tree.remove("zu1");
    EXPECT_EQ(tree.find("childa10"), nullptr);
    EXPECT_EQ(tree.root().children, (std::vector<std::string>{"zuOther"}));
    tree.remove("用户组");
    EXPECT_EQ(tree.size(), 3u); // the root stays
}

// Writes down each announcement with what the tree held at that moment.
class Journal : public models::RecordTreeObserver
{
public:
    explicit Journal(const RecordTree& tree) : m_tree(tree) {}

    std::vector<std::string> entries;

    void beforeReset() override { note("before reset"); }
    void afterReset() override { note("after reset"); }
    void beforeInsert(const models::TreeNode& parent, std::size_t row) override
    {
        note("before insert " + parent.text + " " + std::to_string(row));
    }
    void afterInsert() override { note("after insert"); }
    void beforeRemove(const models::TreeNode& parent, std::size_t row) override
    {
        note("before remove " + parent.text + " " + std::to_string(row) + " " +
             m_tree.find(parent.children.at(row))->text);
    }
    void afterRemove() override { note("after remove"); }
    void renamed(const models::TreeNode& node) override { note("renamed " + node.text); }

private:
    void note(const std::string& what) { entries.push_back(what + " (" + std::to_string(m_tree.size()) + ")"); }

    const RecordTree& m_tree;
};

TEST(RecordTree, AnnouncesEachChangeBeforeAndAfterIt)
{
    RecordTree tree;
    Journal journal(tree);
    tree.setObserver(&journal);
    tree.load({{"其他", {"甲"}}, {"A", {"乙", "丙"}}});
    tree.addRecord("zu1", "丁", "zunew", 1);
    tree.addRecord("zu1", "丁", "zunew", 2); // already there: nothing happens, nothing is said
    tree.addGroup("新建组3", 7);
    tree.rename("newZu3_7", "朋友");
    tree.rename("newZu3_7", "朋友"); // the same text: no change
    tree.remove("zu1");
    tree.remove("用户组"); // the root stays, silently
    tree.remove("no such key");
    // In brackets the node count at that moment.
    const std::vector<std::string> expected = {
        "before reset (1)",             // the root alone
        "after reset (6)",              // 1 + 2 groups + 3 records
        "before insert A 2 (6)",        // 丁 after 乙 and 丙
        "after insert (7)",             //
        "before insert 用户组 2 (7)",   // the new group after 其他 and A
        "after insert (8)",             //
        "renamed 朋友 (8)",             //
        "before remove 用户组 1 A (8)", // A, still there while it is announced
        "after remove (4)",             // A and its three records at once
    };
    EXPECT_EQ(journal.entries, expected);
    EXPECT_EQ(tree.row(*tree.find("newZu3_7")), 1u); // moved up into A's place
    EXPECT_EQ(tree.row(tree.root()), 0u);
}

} // namespace
