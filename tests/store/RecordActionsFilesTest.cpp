#include "tests/store/RecordActionsFixture.h"

// Import, export and the questions a save asks: the record actions that touch files outside the tree.
using namespace storetest;

namespace {

TEST_F(RecordActionsTest, ImportCopiesTheFileAndRebuildsTheTree)
{
    start({QStringLiteral("/A/甲.txt")});
    const QString source = m_root.filePath(QStringLiteral("elsewhere/乙.txt"));
    writeBytes(source, store::encodeFileText(kChart));
    const Outcome outcome = actions.importInto(groupKey("A"), [&] { return std::optional(fromQt(source)); });
    expectMessage(outcome, Effect::Done, Notice::Information, "文件导入成功!");
    EXPECT_EQ(outcome.brief, "已导入：" + fromQt(source));
    EXPECT_EQ(outcome.select, "用户组");
    EXPECT_EQ(outcome.expand, (std::vector<std::string>{"用户组", groupKey("A")}));
    EXPECT_EQ(children(groupKey("A")), (std::vector<std::string>{"乙", "甲"}));
    EXPECT_EQ(readBytes(data(QStringLiteral("/A/乙.txt"))), store::encodeFileText(kChart));
}

TEST_F(RecordActionsTest, ImportThatDoesNotHappenSaysSo)
{
    start({QStringLiteral("/A/甲.txt")});
    const QString binary = m_root.filePath(QStringLiteral("elsewhere/图.txt"));
    writeBytes(binary, QByteArray("\x89PNG\r\n\x1A\n\0\0", 10));
    const struct
    {
        const char* why;
        std::optional<std::string> source;
        Effect effect;
    } kCases[] = {
        {"the dialog was cancelled", std::nullopt, Effect::None},
        {"not a text file", fromQt(binary), Effect::Failed},
        {"no such file", fromQt(m_root.filePath(QStringLiteral("nothing.txt"))), Effect::Failed},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        expectMessage(actions.importInto(groupKey("A"), [&] { return c.source; }), c.effect, Notice::Information,
                      "文件导入失败!");
        EXPECT_EQ(children(groupKey("A")), std::vector<std::string>{"甲"});
    }
    bool asked = false;
    const auto ask = [&] {
        asked = true;
        return std::optional<std::string>();
    };
    EXPECT_EQ(actions.importInto(recordKey("A", "甲"), ask).effect, Effect::None); // only a group takes files
    EXPECT_FALSE(asked);
}

TEST_F(RecordActionsTest, ExportCopiesTheRecordFile)
{
    start({QStringLiteral("/A/甲.txt")});
    const QString target = m_root.filePath(QStringLiteral("out.txt"));
    const struct
    {
        const char* why;
        std::optional<std::string> target;
        Effect effect;
        Notice notice;
        const char* message;
    } kCases[] = {
        {"the dialog was cancelled", std::nullopt, Effect::None, Notice::None, ""},
        {"a folder that is not there", fromQt(m_root.filePath(QStringLiteral("no/such/folder.txt"))), Effect::Failed,
         Notice::Information, "文件导出失败!"},
        {"a plain path", fromQt(target), Effect::Done, Notice::Information, "文件导出成功!"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        expectMessage(actions.exportRecord(recordKey("A", "甲"), [&] { return c.target; }), c.effect, c.notice,
                      c.message);
    }
    EXPECT_EQ(readBytes(target), readBytes(data(QStringLiteral("/A/甲.txt"))));
    bool asked = false;
    const auto ask = [&] {
        asked = true;
        return std::optional<std::string>();
    };
    EXPECT_EQ(actions.exportRecord(groupKey("A"), ask).effect, Effect::None); // a group is no record file
    EXPECT_FALSE(asked);
}

TEST_F(RecordActionsTest, ReplacedByNamesTheRecordASaveWouldOverwrite)
{
    start({QStringLiteral("/A/甲.txt")});
    const struct
    {
        const char* why;
        std::string selected;
        store::RecordDraft draft;
        bool replaces;
    } kCases[] = {
        {"the same name in the selected group", groupKey("A"), {"甲", kChart, ""}, true},
        {"a record of that group selected", recordKey("A", "甲"), {"甲", kChart, ""}, true},
        {"the name box is trimmed as a save trims it", groupKey("A"), {" 甲\u3000", kChart, ""}, true},
        {"another name", groupKey("A"), {"乙", kChart, ""}, false},
        {"the same name goes to 其他 when nothing is selected", "", {"甲", kChart, ""}, false},
        {"no chart: the save is refused before it writes", groupKey("A"), {"甲", "", ""}, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const auto ref = actions.replacedBy(c.selected, c.draft);
        ASSERT_EQ(ref.has_value(), c.replaces);
        if (ref) {
            EXPECT_EQ(ref->group, "A");
            EXPECT_EQ(ref->name, "甲");
        }
    }
}

TEST_F(RecordActionsTest, RecordNamesItsGroupAndItself)
{
    start({QStringLiteral("/A/甲.txt")});
    const auto ref = actions.record(recordKey("A", "甲"));
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->group, "A");
    EXPECT_EQ(ref->name, "甲");
    EXPECT_FALSE(actions.record(groupKey("A")));
    EXPECT_FALSE(actions.record("用户组"));
    EXPECT_FALSE(actions.record("no such key"));
}

} // namespace
