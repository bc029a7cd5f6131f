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
    tree.LoadTree({{"A", {"甲", "乙"}}, {"其他", {"丙"}}, {"B", {}}});
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
    tree.LoadTree(groups);
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
    tree.LoadTree({{"其他", {"甲"}}, {"A", {"乙"}}});
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
    without.LoadTree({{"A", {}}});
    EXPECT_FALSE(without.saveTarget(std::nullopt));
}

TEST(RecordTree, SavedRecordKeyIsPrefixChildCountAndNumber)
{
    RecordTree tree;
    tree.LoadTree({{"其他", {"甲", "乙", "丙"}}});
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
    tree.LoadTree({{"其他", {}}, {"A", {}}});
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
    tree.LoadTree({{"其他", {"A"}}, {"A", {"甲"}}});
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

} // namespace
