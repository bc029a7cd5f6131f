#include "tests/store/RecordActionsFixture.h"

using namespace storetest;

namespace {

TEST_F(RecordActionsTest, LoadSelectsAndExpandsTheRoot)
{
    start({QStringLiteral("/A/甲.txt")});
    const Outcome outcome = actions.load();
    EXPECT_EQ(outcome.select, "用户组");
    EXPECT_EQ(outcome.expand, std::vector<std::string>{"用户组"});
    EXPECT_FALSE(outcome.status); // beside the program: the status line keeps its text
    EXPECT_EQ(children("用户组"), (std::vector<std::string>{"A", "其他"}));
    EXPECT_EQ(children(groupKey("A")), std::vector<std::string>{"甲"});

    // A program folder that cannot hold data: the status line says where the records went.
    store::RecordStore elsewhere(fromQt(m_root.filePath(QStringLiteral("missing"))),
                                 fromQt(m_root.filePath(QStringLiteral("user"))));
    models::RecordTree other;
    const Outcome moved = RecordActions(elsewhere, other).load();
    EXPECT_EQ(moved.status, "程序目录不可写，记录保存在：" + fromQt(m_root.filePath(QStringLiteral("user/data"))));
}

TEST_F(RecordActionsTest, SaveGoesIntoTheSelectedGroupOrIntoOther)
{
    start({QStringLiteral("/A/甲.txt")});
    const struct
    {
        const char* why;
        std::string selected;
        const char* name;
        const char* group;
    } kCases[] = {
        {"nothing selected", "", "乙", "其他"},      {"the root", "用户组", "丙", "其他"},
        {"the group A", groupKey("A"), "丁", "A"},   {"a record of A", recordKey("A", "甲"), "戊", "A"},
        {"the group 其他", "zuOther", "己", "其他"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const Outcome outcome = actions.save(c.selected, {c.name, kChart, "备注"});
        expectMessage(outcome, Effect::Done, Notice::Information, "数据保存完毕");
        EXPECT_EQ(outcome.brief, std::string("已保存“") + c.name + "”到组“" + c.group + "”");
        EXPECT_EQ(outcome.expand, std::vector<std::string>{groupKey(c.group)});
        EXPECT_EQ(outcome.select, ""); // the selection stays where it was
        EXPECT_NE(recordKey(c.group, c.name), "<none>");
        EXPECT_TRUE(QFileInfo::exists(data(QStringLiteral("/%1/%2.txt").arg(c.group, c.name))));
    }
    EXPECT_EQ(children(groupKey("A")), (std::vector<std::string>{"甲", "丁", "戊"}));
    EXPECT_EQ(recordKey("其他", "乙"), "zuot05"); // prefix, child count, number
    EXPECT_EQ(recordKey("A", "丁"), "zunew15");
}

TEST_F(RecordActionsTest, SaveRefusalsAndFailuresLeaveTreeAndFolderAlone)
{
    start();
    const struct
    {
        const char* why;
        RecordDraft draft;
        Effect effect;
        const char* message;
    } kCases[] = {
        {"no chart yet", {"张三", "", ""}, Effect::Refused, "请先八字排盘，再保存"},
        {"blank name", {"   ", kChart, ""}, Effect::Refused, "请填写姓名，再保存"},
        {"ideographic spaces are blank too", {"\u3000\u3000", kChart, ""}, Effect::Refused, "请填写姓名，再保存"},
        {"a name that leaves its folder",
         {"../张三", kChart, ""},
         Effect::Failed,
         "该名称不能用作文件名：名称不能含有 \\ / : * ? \" < > | 这些字符"},
        {"a device name", {"CON", kChart, ""}, Effect::Failed, "该名称不能用作文件名：名称是系统保留的设备名"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const Outcome outcome = actions.save("", c.draft);
        expectMessage(outcome, c.effect, Notice::Warning, c.message);
        EXPECT_TRUE(outcome.expand.empty());
    }
    EXPECT_TRUE(children("zuOther").empty());
    EXPECT_TRUE(QDir(data(QStringLiteral("/其他"))).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_root.filePath(QStringLiteral("prog/张三.txt"))));
}

TEST_F(RecordActionsTest, SavingANameTwiceKeepsOneNodeAndTheSecondChart)
{
    start();
    actions.save("", {" 张三 ", kChart, "一"}); // the name box is trimmed
    const Outcome again = actions.save("", {"张三", kChart + "第二次\r\n", "二"});
    EXPECT_EQ(again.effect, Effect::Done);
    EXPECT_EQ(children("zuOther"), std::vector<std::string>{"张三"});
    EXPECT_TRUE(readBytes(data(QStringLiteral("/其他/张三.txt"))).contains(store::encodeFileText("第二次")));
}

// The file a save writes: the chart, an empty line, "备注：", the remark with every line ended by CR LF, all in
// GB18030. The expected bytes are written out here: 第 B5DA 一 D2BB 行 D0D0 二 B6FE 三 C8FD, 备注： B1B8 D7A2 A3BA.
TEST_F(RecordActionsTest, SaveWritesTheRemarkAfterItsLabel)
{
    const struct
    {
        const char* why;
        std::string remark;
        QByteArray written; // after the chart and its empty line
    } kCases[] = {
        {"lines ended by LF, CR LF or nothing all end in CR LF", "第一行\n第二行\r\n第三行",
         QByteArray::fromHex("B1B8D7A2A3BA0D0A B5DAD2BBD0D00D0A B5DAB6FED0D00D0A B5DAC8FDD0D00D0A")},
        {"an empty remark still has its label and a line end", "", QByteArray::fromHex("B1B8D7A2A3BA0D0A0D0A")},
        {"characters outside GB 2312 in four bytes: 㐀 8139EE39, 𠀀 95328236", "㐀𠀀",
         QByteArray::fromHex("B1B8D7A2A3BA0D0A 8139EE39 95328236 0D0A")},
    };
    start();
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        ASSERT_EQ(actions.save("", {"张三", kChart, c.remark}).effect, Effect::Done);
        const QByteArray bytes = readBytes(data(QStringLiteral("/其他/张三.txt")));
        EXPECT_EQ(bytes, store::encodeFileText(kChart) + "\r\n" + c.written);
        const auto read = store.readRecord("其他", "张三"); // the four-byte codes read back as themselves
        ASSERT_TRUE(read);
        EXPECT_TRUE(read->remark.starts_with(c.remark.substr(0, c.remark.find('\n'))));
        EXPECT_EQ(read->replaced, 0u);
    }
}

TEST_F(RecordActionsTest, SaveRebuildsATreeThatLostOther)
{
    start();
    tree.load({{"A", {}}}); // as if 其他 had vanished between two refreshes
    const Outcome outcome = actions.save("", {"张三", kChart, ""});
    expectMessage(outcome, Effect::Done, Notice::Information, "数据保存完毕");
    EXPECT_EQ(outcome.select, "用户组");
    EXPECT_EQ(children("zuOther"), std::vector<std::string>{"张三"});
}

TEST_F(RecordActionsTest, RenameGroup)
{
    start({QStringLiteral("/A/甲.txt"), QStringLiteral("/B/乙.txt")});
    const std::string a = groupKey("A");
    const struct
    {
        const char* why;
        std::string key;
        const char* name;
        Effect effect;
        Notice notice;
        const char* message;
        bool typeAgain;
    } kCases[] = {
        {"unchanged: the group counts itself", a, "A", Effect::Refused, Notice::Warning, "结点已经存在！ ", true},
        {"another group's name", a, "B", Effect::Refused, Notice::Warning, "结点已经存在！ ", true},
        {"empty", a, "", Effect::Refused, Notice::Plain, "你必须输入一个名称 ", false},
        {"a name that leaves its folder", a, "..", Effect::Refused, Notice::Warning,
         "该名称不能用作文件名：名称不能是“.”或“..”", true},
        {"其他 keeps its name", "zuOther", "别的", Effect::None, Notice::None, "", false},
        {"the root keeps its name", "用户组", "别的", Effect::None, Notice::None, "", false},
        {"a record is not renamed", recordKey("A", "甲"), "别的", Effect::None, Notice::None, "", false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const Outcome outcome = actions.renameGroup(c.key, c.name);
        expectMessage(outcome, c.effect, c.notice, c.message);
        EXPECT_EQ(outcome.editLabel, c.typeAgain);
        EXPECT_EQ(outcome.select, c.typeAgain ? c.key : "");
        EXPECT_EQ(children("用户组"), (std::vector<std::string>{"A", "B", "其他"}));
    }
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("/别的"))));

    EXPECT_EQ(actions.renameGroup(a, "朋友").effect, Effect::Done);
    EXPECT_EQ(tree.find(a)->text, "朋友");
    EXPECT_EQ(children(a), std::vector<std::string>{"甲"});
    EXPECT_TRUE(QFileInfo::exists(data(QStringLiteral("/朋友/甲.txt"))));
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("/A"))));
}

TEST_F(RecordActionsTest, RenameThatTheDiskRefusesLeavesTheTreeUnchanged)
{
    start({QStringLiteral("/A/甲.txt")});
    QDir().mkpath(data(QStringLiteral("/C"))); // made behind the tree's back
    const Outcome outcome = actions.renameGroup(groupKey("A"), "C");
    expectMessage(outcome, Effect::Failed, Notice::Plain, "75   路径/文件访问错误");
    EXPECT_FALSE(outcome.editLabel);
    EXPECT_EQ(children("用户组"), (std::vector<std::string>{"A", "其他"}));
    EXPECT_TRUE(QFileInfo::exists(data(QStringLiteral("/A/甲.txt"))));
}

TEST_F(RecordActionsTest, NewGroupExistsAtOnceAndAsksForItsName)
{
    start({QStringLiteral("/A/甲.txt")});
    QDir().mkpath(data(QStringLiteral("/新建组3"))); // not listed yet, but taken
    const Outcome outcome = actions.addGroup();
    EXPECT_EQ(outcome.effect, Effect::Done);
    EXPECT_EQ(outcome.notice, Notice::None);
    EXPECT_EQ(outcome.select, "newZu4_5");
    EXPECT_TRUE(outcome.editLabel);
    EXPECT_EQ(outcome.expand, std::vector<std::string>{"用户组"});
    EXPECT_EQ(tree.find("newZu4_5")->text, "新建组4");
    EXPECT_TRUE(QFileInfo(data(QStringLiteral("/新建组4"))).isDir());
}

TEST_F(RecordActionsTest, DeleteRecord)
{
    start({QStringLiteral("/A/甲.txt"), QStringLiteral("/A/乙.txt")});
    EXPECT_EQ(actions.deleteRecord(recordKey("A", "甲")).effect, Effect::Done);
    EXPECT_EQ(children(groupKey("A")), std::vector<std::string>{"乙"});
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("/A/甲.txt"))));

    EXPECT_EQ(actions.deleteRecord(groupKey("A")).effect, Effect::None); // a group is no record
    EXPECT_EQ(actions.deleteRecord("用户组").effect, Effect::None);

    // A file that cannot go (here a folder took its place): the node stays, and the user is told.
    const std::string key = recordKey("A", "乙");
    QFile::remove(data(QStringLiteral("/A/乙.txt")));
    QDir().mkpath(data(QStringLiteral("/A/乙.txt/x")));
    expectMessage(actions.deleteRecord(key), Effect::Failed, Notice::Warning, "记录删除失败!");
    EXPECT_EQ(children(groupKey("A")), std::vector<std::string>{"乙"});
}

TEST_F(RecordActionsTest, DeleteGroup)
{
    start({QStringLiteral("/A/甲.txt"), QStringLiteral("/B/图.png"), QStringLiteral("/D/子/甲.png")});
    QDir().mkpath(data(QStringLiteral("/C")));
    actions.load();
    const struct
    {
        const char* why;
        const char* group;
        Effect effect;
        const char* message;
        bool gone;
    } kCases[] = {
        {"其他 is protected", "其他", Effect::Refused, "对不起，该组不能删除！", false},
        {"a record is in it", "A", Effect::Refused, "该组下有用户数据，请删除组下数据后再删除该组", false},
        {"a folder inside keeps it", "D", Effect::Failed, "该组未能删除！", false},
        {"other files go with it", "B", Effect::Done, "", true},
        {"empty", "C", Effect::Done, "", true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const Outcome outcome = actions.deleteGroup(groupKey(c.group));
        expectMessage(outcome, c.effect, *c.message ? Notice::Plain : Notice::None, c.message);
        EXPECT_EQ(tree.group(c.group) == nullptr, c.gone);
        EXPECT_EQ(QFileInfo::exists(data("/" + store::toQt(c.group))), !c.gone);
    }
    EXPECT_EQ(actions.deleteGroup(recordKey("A", "甲")).effect, Effect::None); // a record is no group
    EXPECT_EQ(actions.deleteGroup("用户组").effect, Effect::None);
}

} // namespace
