#include "ui/main/Form1.h"

#include "tests/ui/main/Form1RecordsFixture.h"
#include "ui/common/QtText.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using uitest::child;
using uitest::Form1RecordsTest;
using uitest::SeenMessage;

namespace {

TEST_F(Form1RecordsTest, StartsWithTheRootAndTheGroupOther)
{
    ASSERT_EQ(model()->rowCount(), 1);
    EXPECT_EQ(root().data().toString(), QStringLiteral("用户组"));
    EXPECT_EQ(childTexts(root()), QStringList{QStringLiteral("其他")});
    EXPECT_TRUE(tree()->isExpanded(root()));
    EXPECT_EQ(tree()->currentIndex(), root());
    EXPECT_TRUE(shows(root(), ":/tree/open.png"));
    EXPECT_FALSE(shows(root(), ":/tree/group.png")); // the pictures differ
    EXPECT_TRUE(shows(node(root(), QStringLiteral("其他")), ":/tree/group.png"));
    tree()->collapse(root());
    EXPECT_TRUE(shows(root(), ":/tree/group.png"));
    tree()->expand(root());
    EXPECT_TRUE(QFileInfo(data(QStringLiteral("/其他"))).isDir());
    const struct
    {
        const char* menu;
        const char* title;
        QStringList items;
    } kMenus[] = {
        {"menuRoot", "树型根操作", {QStringLiteral("新建组")}},
        {"menuZu", "树型组操作", {QStringLiteral("删除组"), QStringLiteral("导入记录"), QStringLiteral("重命名")}},
        {"menuTree",
         "树型右键子节点",
         {QStringLiteral("查看记录"), QStringLiteral("删除记录"), QStringLiteral("导出记录"),
          QStringLiteral("刷新用户")}},
    };
    for (const auto& c : kMenus) {
        SCOPED_TRACE(c.menu);
        auto* menu = child<QMenu>(form, c.menu);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), ui::toQt(c.title));
        QStringList items;
        for (QAction* action : menu->actions())
            items << action->text();
        EXPECT_EQ(items, c.items);
    }
}

TEST_F(Form1RecordsTest, SaveAddsTheRecordNodeUnderItsGroup)
{
    chartZhangSan();
    auto seen = trigger("mSave");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].icon, QMessageBox::Information);
    EXPECT_EQ(seen[0].text, QStringLiteral("数据保存完毕"));
    const QModelIndex other = node(root(), QStringLiteral("其他"));
    EXPECT_EQ(childTexts(other), QStringList{QStringLiteral("张三")});
    EXPECT_TRUE(tree()->isExpanded(other));
    EXPECT_TRUE(shows(other, ":/tree/open.png"));
    EXPECT_TRUE(shows(firstChild(other), ":/tree/record.png"));
    EXPECT_TRUE(QFileInfo::exists(data(QStringLiteral("/其他/张三.txt"))));

    EXPECT_EQ(trigger("mSave", QMessageBox::Yes).size(), 2u); // the same name again: a question, still one node
    EXPECT_EQ(childTexts(other), QStringList{QStringLiteral("张三")});

    // With a record of group A selected, the save goes to A.
    QDir().mkpath(data(QStringLiteral("/A")));
    trigger("shuRefresh");
    EXPECT_EQ(trigger("mSave", QMessageBox::Yes).size(), 2u); // the refresh selected the root: 其他 again
    const QPersistentModelIndex a = node(root(), QStringLiteral("A"));
    ASSERT_TRUE(a.isValid());
    tree()->setCurrentIndex(firstChild(node(root(), QStringLiteral("其他"))));
    child<QLineEdit>(form, "TxtName")->setText(QStringLiteral("  李四 "));
    seen = trigger("mSave");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("数据保存完毕"));
    EXPECT_EQ(childTexts(node(root(), QStringLiteral("其他"))),
              (QStringList{QStringLiteral("张三"), QStringLiteral("李四")}));
    tree()->setCurrentIndex(a);
    trigger("mSave");
    EXPECT_EQ(childTexts(a), QStringList{QStringLiteral("李四")});
    EXPECT_TRUE(QFileInfo::exists(data(QStringLiteral("/A/李四.txt"))));
}

TEST_F(Form1RecordsTest, SaveRefusals)
{
    const struct
    {
        const char* why;
        bool chart;
        const char* name;
        const char* message;
    } kCases[] = {
        {"no chart yet", false, "张三", "请先八字排盘，再保存"},
        {"blank name", true, "   ", "请填写姓名，再保存"},
        {"a name that leaves its folder", true, "../张三",
         "该名称不能用作文件名：名称不能含有 \\ / : * ? \" < > | 这些字符"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        text("TexCont")->setPlainText(c.chart ? QStringLiteral("姓名：x\n") : QString());
        child<QLineEdit>(form, "TxtName")->setText(ui::toQt(c.name));
        const auto seen = trigger("mSave");
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].icon, QMessageBox::Warning);
        EXPECT_EQ(seen[0].text, ui::toQt(c.message));
        EXPECT_EQ(model()->rowCount(node(root(), QStringLiteral("其他"))), 0);
    }
    EXPECT_TRUE(QDir(data(QStringLiteral("/其他"))).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(programFolder.path() + QStringLiteral("/张三.txt")));
}

TEST_F(Form1RecordsTest, ClickingARecordShowsItsChartAndRestoresTheInputs)
{
    chartZhangSan();
    const QString chart = text("TexCont")->toPlainText();
    trigger("mSave");
    // Everything changed before the record is opened again.
    combo("Combo1")->setCurrentText(QStringLiteral("农历"));
    combo("Combo2")->setCurrentText(QStringLiteral("2020"));
    child<QLineEdit>(form, "TxtName")->setText(QStringLiteral("别人"));
    form.findChildren<QRadioButton*>(QStringLiteral("OptSex")).at(0)->setChecked(true);
    text("TexCont")->clear();
    text("TextMark")->clear();

    click(node(node(root(), QStringLiteral("其他")), QStringLiteral("张三")));
    EXPECT_EQ(text("TexCont")->toPlainText(), chart + QStringLiteral("\n")); // as stored, one empty line more
    EXPECT_EQ(text("TextMark")->toPlainText(), QStringLiteral("第一行\n第二行\n"));
    EXPECT_EQ(child<QLineEdit>(form, "TxtName")->text(), QStringLiteral("张三"));
    EXPECT_TRUE(form.findChildren<QRadioButton*>(QStringLiteral("OptSex")).at(1)->isChecked());
    const struct
    {
        const char* combo;
        const char* text;
        int count;
    } kDate[] = {
        {"Combo1", "公历", 2}, {"Combo2", "1990", 200}, {"Combo3", "05", 12},
        {"Combo4", "12", 31},  {"Combo5", "08", 24},    {"Combo6", "30", 60},
    };
    for (const auto& c : kDate) {
        SCOPED_TRACE(c.combo);
        EXPECT_EQ(combo(c.combo)->currentText(), ui::toQt(c.text));
        EXPECT_EQ(combo(c.combo)->count(), c.count); // the lists were rebuilt for a Gregorian May
    }
}

// Bytes that are no text are shown as U+FFFD, and the status line says how many there were.
TEST_F(Form1RecordsTest, ARecordWithBadBytesSaysSoOnTheStatusLine)
{
    chartZhangSan();
    trigger("mSave");
    const QModelIndex record = node(node(root(), QStringLiteral("其他")), QStringLiteral("张三"));
    click(record);
    EXPECT_FALSE(form.statusBar()->currentMessage().startsWith(QStringLiteral("记录含"))); // a clean record
    QFile file(data(QStringLiteral("/其他/张三.txt")));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\xFF\x80\r\n"); // two bytes that start no GB18030 code, after the remark
    file.close();
    click(record);
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("记录含 2 处无法识别的字节，已显示为 \uFFFD"));
    EXPECT_EQ(text("TextMark")->toPlainText(), QStringLiteral("第一行\n第二行\n\uFFFD\uFFFD\n"));
}

TEST_F(Form1RecordsTest, RightClickOffersTheMenuOfTheNodeKind)
{
    chartZhangSan();
    trigger("mSave");
    const QModelIndex other = node(root(), QStringLiteral("其他"));
    const struct
    {
        const char* why;
        QModelIndex item;
        const char* menu;
    } kCases[] = {
        {"root", root(), "menuRoot"},
        {"group", other, "menuZu"},
        {"record", firstChild(other), "menuTree"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        click(c.item, Qt::RightButton);
        auto* menu = child<QMenu>(form, c.menu);
        EXPECT_TRUE(menu->isVisible());
        EXPECT_EQ(tree()->currentIndex(), c.item);
        menu->hide();
    }
    // A record selected and the pointer over empty space: no menu.
    QTest::mouseClick(tree()->viewport(), Qt::RightButton, {}, QPoint(5, tree()->viewport()->height() - 5));
    for (const char* name : {"menuRoot", "menuZu", "menuTree"})
        EXPECT_FALSE(child<QMenu>(form, name)->isVisible()) << name;
}

TEST_F(Form1RecordsTest, GroupsAreAddedRenamedAndDeletedThroughTheirMenus)
{
    EXPECT_TRUE(trigger("zuAdd").empty());
    const QPersistentModelIndex added = node(root(), QStringLiteral("新建组2")); // the root had one child
    ASSERT_TRUE(added.isValid());
    EXPECT_TRUE(QFileInfo(data(QStringLiteral("/新建组2"))).isDir()); // before any name is typed
    EXPECT_EQ(tree()->currentIndex(), added);
    ASSERT_NE(labelEditor(), nullptr);

    const struct
    {
        const char* why;
        const char* name;
        QMessageBox::Icon icon;
        const char* message;
        bool reopened;
    } kRefusals[] = {
        {"unchanged: the group counts itself", "新建组2", QMessageBox::Warning, "结点已经存在！ ", true},
        {"another group's name", "其他", QMessageBox::Warning, "结点已经存在！ ", true},
        {"empty", "", QMessageBox::NoIcon, "你必须输入一个名称 ", false},
        {"a name that leaves its folder", "..", QMessageBox::Warning, "该名称不能用作文件名：名称不能是“.”或“..”",
         true},
    };
    for (const auto& c : kRefusals) {
        SCOPED_TRACE(c.why);
        if (!labelEditor())
            run([&] { trigger("zuMing"); });
        const auto seen = typeLabel(ui::toQt(c.name));
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].icon, c.icon);
        EXPECT_EQ(seen[0].text, ui::toQt(c.message));
        EXPECT_EQ(added.data().toString(), QStringLiteral("新建组2"));
        EXPECT_EQ(labelEditor() != nullptr, c.reopened);
    }

    if (!labelEditor())
        trigger("zuMing");
    EXPECT_TRUE(typeLabel(QStringLiteral("朋友")).empty());
    EXPECT_EQ(added.data().toString(), QStringLiteral("朋友"));
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("/新建组2"))));
    EXPECT_TRUE(QFileInfo(data(QStringLiteral("/朋友"))).isDir());

    tree()->setCurrentIndex(added);
    EXPECT_EQ(trigger("zuDel", QMessageBox::Yes).size(), 1u); // the question only
    EXPECT_EQ(childTexts(root()), QStringList{QStringLiteral("其他")});
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("/朋友"))));
}

TEST_F(Form1RecordsTest, GroupDeletionIsRefusedForOtherAndForGroupsWithRecords)
{
    chartZhangSan();
    trigger("mSave");
    QDir().mkpath(data(QStringLiteral("/A")));
    QFile::copy(data(QStringLiteral("/其他/张三.txt")), data(QStringLiteral("/A/张三.txt")));
    trigger("shuRefresh");
    const struct
    {
        const char* group;
        const char* message;
    } kCases[] = {
        {"其他", "对不起，该组不能删除！"},
        {"A", "该组下有用户数据，请删除组下数据后再删除该组"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.group);
        tree()->setCurrentIndex(node(root(), ui::toQt(c.group)));
        const auto seen = trigger("zuDel");
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].icon, QMessageBox::NoIcon);
        EXPECT_EQ(seen[0].text, ui::toQt(c.message));
        EXPECT_TRUE(node(root(), ui::toQt(c.group)).isValid());
    }

    // Deleting the record, then the group, goes through.
    tree()->setCurrentIndex(firstChild(node(root(), QStringLiteral("A"))));
    EXPECT_EQ(trigger("shuDel", QMessageBox::Yes).size(), 1u); // the question only
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("/A/张三.txt"))));
    tree()->setCurrentIndex(node(root(), QStringLiteral("A")));
    EXPECT_EQ(trigger("zuDel", QMessageBox::Yes).size(), 1u);
    EXPECT_FALSE(node(root(), QStringLiteral("A")).isValid());
}

} // namespace
