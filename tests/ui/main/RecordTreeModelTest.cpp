#include "ui/main/RecordTreeModel.h"

#include "models/records/RecordTree.h"
#include "ui/common/QtText.h"

#include <QAbstractItemModelTester>
#include <QLoggingCategory>
#include <QPixmap>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using models::RecordTree;
using models::TreeNode;
using ui::RecordTreeModel;

namespace {

// Every complaint of Qt's model tester, which checks the model after each change it announces.
std::vector<QString> complaints;

void collectComplaints(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    if (context.category && std::string(context.category) == "qt.modeltest")
        complaints.push_back(message);
}

// Three pictures told apart by their colour: closed, open, record.
RecordTreeModel::Pictures testPictures()
{
    RecordTreeModel::Pictures pictures;
    const Qt::GlobalColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        QPixmap square(16, 16);
        square.fill(colours[i]);
        pictures[i] = QIcon(square);
    }
    return pictures;
}

class RecordTreeModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        complaints.clear();
        m_previousHandler = qInstallMessageHandler(collectComplaints);
        tree.load({{"A", {"甲", "乙"}}, {"其他", {"丙"}}, {"B", {}}});
    }
    void TearDown() override
    {
        qInstallMessageHandler(m_previousHandler);
        EXPECT_TRUE(complaints.empty()) << ui::fromQt(complaints.front());
    }

    QModelIndex at(const char* key) const { return model.indexOf(std::string_view(key)); }
    QColor pictureColour(const QModelIndex& index) const
    {
        return index.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage().pixelColor(8, 8);
    }

    RecordTree tree;
    std::vector<std::pair<std::string, std::string>> renames; // key, name
    bool renameSucceeds = true;
    RecordTreeModel model{tree, testPictures(), [this](const TreeNode& group, const std::string& name) {
                              renames.emplace_back(group.key, name);
                              if (renameSucceeds)
                                  tree.rename(group.key, name);
                              return renameSucceeds;
                          }};

private:
    QtMessageHandler m_previousHandler = nullptr;
};

TEST_F(RecordTreeModelTest, FollowsEveryChangeOfTheTree)
{
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    tree.addRecord("zu0", "丁", "zunew", 1);
    tree.addGroup("新建组4", 2);
    tree.rename("newZu4_2", "朋友");
    tree.addRecord("newZu4_2", "戊", "zunew", 3);
    tree.remove("childa00");
    tree.remove("zu0"); // a group with records
    tree.load({{"其他", {}}});
    tree.addRecord("zuOther", "己", "zuot", 4);
    ASSERT_EQ(model.rowCount(), 1);
    const QModelIndex other = model.index(0, 0, model.index(0, 0));
    EXPECT_EQ(other.data().toString(), QStringLiteral("其他"));
    EXPECT_EQ(model.index(0, 0, other).data().toString(), QStringLiteral("己"));
}

TEST_F(RecordTreeModelTest, ShowsTheTreeInListingOrder)
{
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    ASSERT_EQ(model.rowCount(), 1);
    const QModelIndex root = model.index(0, 0);
    EXPECT_EQ(root.data().toString(), QStringLiteral("用户组"));
    ASSERT_EQ(model.rowCount(root), 3);
    const QModelIndex a = model.index(0, 0, root);
    EXPECT_EQ(a.data().toString(), QStringLiteral("A"));
    EXPECT_EQ(model.index(1, 0, root).data().toString(), QStringLiteral("其他"));
    EXPECT_EQ(model.index(1, 0, a).data().toString(), QStringLiteral("乙"));
    EXPECT_EQ(model.index(1, 0, a).parent(), a);
    EXPECT_EQ(model.rowCount(model.index(0, 0, a)), 0);
    EXPECT_EQ(model.node(a)->key, "zu0");
    EXPECT_EQ(at("childa01"), model.index(1, 0, a));
    EXPECT_FALSE(at("no such key").isValid());
}

TEST_F(RecordTreeModelTest, PicturesFollowKindAndExpansion)
{
    const struct
    {
        const char* why;
        const char* key;
        QColor colour;
    } kClosed[] = {
        {"the root", "用户组", Qt::red},
        {"a group", "zu0", Qt::red},
        {"a record", "childa00", Qt::blue},
    };
    for (const auto& c : kClosed) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(pictureColour(at(c.key)), c.colour);
    }

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setExpanded(at("用户组"), true);
    model.setExpanded(at("zu0"), true);
    model.setExpanded(at("zu0"), true);      // already open: nothing to say
    model.setExpanded(at("childa00"), true); // a record has nothing to open
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0).value<QModelIndex>(), at("zu0"));
    EXPECT_EQ(changed.at(1).at(2).value<QList<int>>(), QList<int>{Qt::DecorationRole});
    EXPECT_EQ(pictureColour(at("用户组")), Qt::green);
    EXPECT_EQ(pictureColour(at("zu0")), Qt::green);
    EXPECT_EQ(pictureColour(at("childa00")), Qt::blue);
    model.setExpanded(at("zu0"), false);
    EXPECT_EQ(pictureColour(at("zu0")), Qt::red);

    // A group that goes takes its open state with it, even when a later group gets its key.
    const std::string key = tree.addGroup("新建组4", 9);
    model.setExpanded(at(key.c_str()), true);
    tree.remove(key);
    EXPECT_EQ(tree.addGroup("新建组4", 9), key);
    EXPECT_EQ(pictureColour(at(key.c_str())), Qt::red);
    tree.load({{"其他", {}}}); // a rebuild opens nothing either
    EXPECT_EQ(pictureColour(at("用户组")), Qt::red);
}

TEST_F(RecordTreeModelTest, OnlyGroupsOtherThanOtherTakeANewName)
{
    const struct
    {
        const char* why;
        const char* key;
        bool editable;
    } kCases[] = {
        {"the root", "用户组", false},
        {"其他", "zuOther", false},
        {"a record", "childa00", false},
        {"a group", "zu0", true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        renames.clear();
        EXPECT_EQ(model.flags(at(c.key)).testFlag(Qt::ItemIsEditable), c.editable);
        EXPECT_TRUE(model.flags(at(c.key)).testFlag(Qt::ItemIsSelectable));
        EXPECT_EQ(model.setData(at(c.key), QStringLiteral("新名"), Qt::EditRole), c.editable);
        EXPECT_EQ(renames.size(), c.editable ? 1u : 0u);
    }
    EXPECT_EQ(renames, (std::vector<std::pair<std::string, std::string>>{{"zu0", "新名"}}));
    EXPECT_EQ(at("zu0").data().toString(), QStringLiteral("新名"));
    EXPECT_TRUE(model.flags(at("childa00")).testFlag(Qt::ItemNeverHasChildren));
    EXPECT_FALSE(model.setData(at("zu2"), QStringLiteral("新名"), Qt::DisplayRole)); // only the edit role renames

    renameSucceeds = false; // refused: the group keeps its name, and says so
    EXPECT_FALSE(model.setData(at("zu2"), QStringLiteral("别名"), Qt::EditRole));
    EXPECT_EQ(at("zu2").data().toString(), QStringLiteral("B"));
}

} // namespace
