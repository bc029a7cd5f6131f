#include "store/RecordStore.h"

#include "store/StoreText.h"
#include "tests/store/FileTesting.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <string>

using store::fromQt;
using store::GroupDeletion;
using store::RecordStore;
using store::toQt;
using storetest::readBytes;
using storetest::writeBytes;

namespace {

QByteArray hex(const char* digits)
{
    return QByteArray::fromHex(digits);
}

// A temporary folder holding the program folder "prog"; the data directory is prog/data.
class RecordStoreTest : public ::testing::Test
{
protected:
    QString program() const { return m_root.filePath(QStringLiteral("prog")); }
    QString data(const QString& rest = {}) const { return program() + QStringLiteral("/data") + rest; }
    std::string chartOf(const char* name) const
    {
        return std::string("姓名：") + name +
               "       性别：女\r\n出生公历：1990-05-12 08:30:00    农历：农历庚午年\r\n";
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        ASSERT_TRUE(QDir().mkpath(program()));
    }

    QTemporaryDir m_root;
    RecordStore store{fromQt(m_root.filePath(QStringLiteral("prog"))), fromQt(m_root.filePath(QStringLiteral("user")))};
};

TEST(RecordStorePaths, DataDirectorySitsBesideTheProgramWithoutADoubledSeparator)
{
    const struct
    {
        const char* why;
        const char* program;
        const char* data;
    } kCases[] = {
        {"file-system root", "/", "/data"},
        {"folder given with a trailing separator", "/opt/bazi/", "/opt/bazi/data"},
        {"folder without one", "/opt/bazi", "/opt/bazi/data"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(RecordStore::dataPathBeside(c.program), c.data);
    }
}

TEST_F(RecordStoreTest, FirstLookupCreatesTheDataDirectoryAndItsOtherGroup)
{
    EXPECT_EQ(store.location(), store::DataLocation::NotChosen);
    const auto path = store.GetDataPath();
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, fromQt(data()));
    EXPECT_EQ(store.location(), store::DataLocation::BesideProgram);
    EXPECT_TRUE(QFileInfo(data(QStringLiteral("/其他"))).isDir());
    ASSERT_TRUE(QDir(data(QStringLiteral("/其他"))).removeRecursively());
    ASSERT_TRUE(store.GetDataPath()); // every lookup brings 其他 back
    EXPECT_TRUE(QFileInfo(data(QStringLiteral("/其他"))).isDir());
    const auto groups = store.listGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, "其他");
    EXPECT_TRUE(groups[0].records.empty());
}

TEST_F(RecordStoreTest, ProgramFolderGivenWithTrailingSeparatorStillHoldsData)
{
    RecordStore rooted(fromQt(program()) + "/", {});
    EXPECT_EQ(rooted.GetDataPath(), fromQt(data()));
}

TEST_F(RecordStoreTest, UnwritableProgramFolderFallsBackToThePerUserFolder)
{
    writeBytes(m_root.filePath(QStringLiteral("file")), "not a folder");
    RecordStore installed(fromQt(m_root.filePath(QStringLiteral("file"))),
                          fromQt(m_root.filePath(QStringLiteral("user"))));
    EXPECT_EQ(installed.GetDataPath(), fromQt(m_root.filePath(QStringLiteral("user/data"))));
    EXPECT_EQ(installed.location(), store::DataLocation::PerUser);
    EXPECT_FALSE(installed.saveRecord("其他", "张三", chartOf("张三"), ""));
    EXPECT_TRUE(QFileInfo::exists(m_root.filePath(QStringLiteral("user/data/其他/张三.txt"))));

    RecordStore nowhere(fromQt(m_root.filePath(QStringLiteral("file"))),
                        fromQt(m_root.filePath(QStringLiteral("file/x"))));
    EXPECT_FALSE(nowhere.GetDataPath());
    EXPECT_EQ(nowhere.saveRecord("其他", "张三", "x", ""), "无法创建数据目录，记录不能保存");
}

TEST_F(RecordStoreTest, SavedFileIsGb18030WithCrLf)
{
    ASSERT_FALSE(store.saveRecord("其他", "张三", "姓名：张三\n", ""));
    // 姓 D0D5 名 C3FB ： A3BA 张 D5C5 三 C8FD 备 B1B8 注 D7A2, from the GB 2312 code table.
    EXPECT_EQ(readBytes(data(QStringLiteral("/其他/张三.txt"))),
              hex("D0D5C3FBA3BAD5C5C8FD0D0A" // chart line
                  "0D0A"                     // the extra line end
                  "B1B8D7A2A3BA0D0A"         // 备注：
                  "0D0A"));                  // empty remark
}

TEST_F(RecordStoreTest, ReadsUtf8WithOrWithoutByteOrderMarkAndGb18030Otherwise)
{
    const QByteArray utf8 = "性别：男\r\n出生公历：1990-05-12 08:30:00    农历：x\r\n备注：\r\n好\r\n";
    const struct
    {
        const char* why;
        QByteArray bytes;
    } kFiles[] = {
        {"UTF-8", utf8},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8},
        // 性 D0D4 别 B1F0 ： A3BA 男 C4D0 ... 好 BAC3; the ASCII parts as they are.
        {"GB18030", hex("D0D4B1F0A3BAC4D00D0A") + "\xB3\xF6\xC9\xFA\xB9\xAB\xC0\xFA\xA3\xBA" +
                        "1990-05-12 08:30:00    " + hex("C5A9C0FAA3BA") + "x\r\n" + hex("B1B8D7A2A3BA0D0ABAC30D0A")},
    };
    for (const auto& c : kFiles) {
        SCOPED_TRACE(c.why);
        writeBytes(data(QStringLiteral("/其他/甲.txt")), c.bytes);
        const auto record = store.readRecord("其他", "甲");
        ASSERT_TRUE(record);
        EXPECT_EQ(record->sex, "男");
        EXPECT_TRUE(record->birth);
        EXPECT_EQ(record->remark, "好\r\n");
    }
}

TEST_F(RecordStoreTest, SavingANameTwiceKeepsOneFileWithTheSecondChart)
{
    ASSERT_FALSE(store.saveRecord("其他", "张三", chartOf("张三"), "一"));
    ASSERT_FALSE(store.saveRecord("其他", "张三", chartOf("张三") + "第二次\r\n", "二\n三"));
    const auto groups = store.listGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].records, (std::vector<std::string>{"张三"}));
    const auto record = store.readRecord("其他", "张三");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->chart, chartOf("张三") + "第二次\r\n\r\n");
    EXPECT_EQ(record->remark, "二\r\n三\r\n");
    EXPECT_EQ(record->sex, "女");
}

TEST_F(RecordStoreTest, UnusableRecordsShowNothing)
{
    ASSERT_TRUE(store.GetDataPath());
    writeBytes(data(QStringLiteral("/其他/无农历.txt")), "性别：男\r\n出生公历：1990-05-12\r\n");
    writeBytes(data(QStringLiteral("/其他/过大.txt")),
               "性别：男\r\n公历：1990-05-12 农历：\r\n" + QByteArray(store::kMaxRecordBytes, 'x'));
    EXPECT_FALSE(store.readRecord("其他", "无农历"));
    EXPECT_FALSE(store.readRecord("其他", "过大"));
    EXPECT_FALSE(store.readRecord("其他", "不存在"));
    EXPECT_FALSE(store.readRecord("不存在", "张三"));
}

TEST_F(RecordStoreTest, ListingShowsFoldersAndTxtFilesOnly)
{
    ASSERT_TRUE(store.GetDataPath());
    writeBytes(data(QStringLiteral("/A/乙.txt")), "x");
    writeBytes(data(QStringLiteral("/A/甲.txt")), "x");
    writeBytes(data(QStringLiteral("/A/图.png")), "x");
    writeBytes(data(QStringLiteral("/A/大写.TXT")), "x");
    writeBytes(data(QStringLiteral("/A/.txt")), "x");        // hidden, and its name would be empty
    writeBytes(data(QStringLiteral("/A/冒号:名.txt")), "x"); // a name the store would not give
    writeBytes(data(QStringLiteral("/零散.txt")), "x");      // not in a group
    writeBytes(data(QStringLiteral("/.隐藏/丙.txt")), "x");
    QFile::link(m_root.path(), data(QStringLiteral("/链接")));
    QFile::link(data(QStringLiteral("/A/甲.txt")), data(QStringLiteral("/A/链接.txt")));
    const auto groups = store.listGroups();
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "A");
    EXPECT_EQ(groups[0].records, (std::vector<std::string>{"乙", "甲"})); // sorted by code point: 乙 U+4E59, 甲 U+7532
    EXPECT_EQ(groups[1].name, "其他");
}

TEST_F(RecordStoreTest, GroupDeletionRefusals)
{
    ASSERT_TRUE(store.GetDataPath());
    writeBytes(data(QStringLiteral("/有记录/甲.txt")), "x");
    writeBytes(data(QStringLiteral("/无记录/说明.doc")), "x");
    writeBytes(data(QStringLiteral("/无记录/.隐藏")), "x");
    writeBytes(data(QStringLiteral("/有子目录/子/甲.txt")), "x");
    const struct
    {
        const char* why;
        const char* group;
        GroupDeletion outcome;
        bool folderLeft;
    } kCases[] = {
        {"其他 is never deleted", "其他", GroupDeletion::Protected, true},
        {"a record is in it", "有记录", GroupDeletion::HasRecords, true},
        {"other files only: deleted with them", "无记录", GroupDeletion::Deleted, false},
        {"a subfolder keeps the folder", "有子目录", GroupDeletion::Failed, true},
        {"already gone", "不存在", GroupDeletion::Deleted, false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(store.deleteGroup(c.group), c.outcome);
        EXPECT_EQ(QFileInfo::exists(data("/" + toQt(c.group))), c.folderLeft);
    }
    EXPECT_EQ(readBytes(data(QStringLiteral("/有记录/甲.txt"))), "x");
    EXPECT_EQ(readBytes(data(QStringLiteral("/有子目录/子/甲.txt"))), "x");
}

TEST_F(RecordStoreTest, GroupsAreCreatedAndRenamedButNeverOntoAnother)
{
    EXPECT_FALSE(store.createGroup("新建组2"));
    EXPECT_TRUE(store.groupExists("新建组2"));
    ASSERT_FALSE(store.saveRecord("新建组2", "张三", chartOf("张三"), ""));
    EXPECT_EQ(store.renameGroup("新建组2", "其他"), "75   路径/文件访问错误");
    EXPECT_EQ(store.renameGroup("其他", "别处"), "75   路径/文件访问错误");
    EXPECT_EQ(store.renameGroup("不存在", "别处"), "75   路径/文件访问错误");
    EXPECT_EQ(store.renameGroup("新建组2", "a/b"), "该名称不能用作文件名：名称不能含有 \\ / : * ? \" < > | 这些字符");
    EXPECT_FALSE(store.renameGroup("新建组2", "朋友"));
    EXPECT_FALSE(store.groupExists("新建组2"));
    EXPECT_TRUE(store.readRecord("朋友", "张三"));
}

TEST_F(RecordStoreTest, RecordsAreDeletedAndExported)
{
    ASSERT_FALSE(store.saveRecord("其他", "张三", chartOf("张三"), "备"));
    const QByteArray saved = readBytes(data(QStringLiteral("/其他/张三.txt")));
    const QString target = m_root.filePath(QStringLiteral("导出.txt"));
    writeBytes(target, "old");
    EXPECT_FALSE(store.exportRecord("其他", "张三", fromQt(target))); // overwrites
    EXPECT_EQ(readBytes(target), saved);
    EXPECT_EQ(store.exportRecord("其他", "张三", fromQt(m_root.filePath(QStringLiteral("无此目录/x.txt")))),
              "文件导出失败!");
    EXPECT_EQ(store.exportRecord("其他", "无此人", fromQt(target)), "文件导出失败!");
    EXPECT_FALSE(store.deleteRecord("其他", "张三"));
    EXPECT_FALSE(QFileInfo::exists(data(QStringLiteral("/其他/张三.txt"))));
    EXPECT_FALSE(store.deleteRecord("其他", "张三")); // already gone: nothing to report
}

TEST_F(RecordStoreTest, ImportCopiesTextAndRefusesTheRest)
{
    ASSERT_TRUE(store.GetDataPath());
    const struct
    {
        const char* why;
        const char* file;
        QByteArray bytes;
        bool copied;
    } kCases[] = {
        {"GB18030 text", "甲.txt", hex("D0D4B1F0A3BAC4D00D0A"), true},
        {"UTF-8 text, no extension check", "乙.log", "性别：男\n", true},
        {"a NUL byte", "丙.txt", QByteArray("ab\0cd", 5), false},
        {"other control bytes", "丁.txt", "\x01\x02\x03", false},
        {"neither UTF-8 nor GB18030", "戊.txt", "\x80\xFF\xFF", false},
        {"over 1 MiB", "己.txt", QByteArray(store::kMaxRecordBytes + 1, 'a'), false},
        {"exactly 1 MiB", "庚.txt", QByteArray(store::kMaxRecordBytes, 'a'), true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const QString source = m_root.filePath(QStringLiteral("src/") + toQt(c.file));
        writeBytes(source, c.bytes);
        const auto error = store.importFile("其他", fromQt(source));
        EXPECT_EQ(!error, c.copied);
        EXPECT_EQ(error.value_or("文件导入失败!"), "文件导入失败!");
        const QString target = data(QStringLiteral("/其他/") + toQt(c.file));
        EXPECT_EQ(QFileInfo::exists(target), c.copied);
        EXPECT_EQ(readBytes(target), c.copied ? c.bytes : QByteArray("<missing>"));
    }
    EXPECT_EQ(store.importFile("其他", fromQt(m_root.filePath(QStringLiteral("src/无此文件.txt")))), "文件导入失败!");
    EXPECT_EQ(store.importFile("无此组", fromQt(m_root.filePath(QStringLiteral("src/甲.txt")))), "文件导入失败!");
}

// Everything under the temporary folder except the data directory, with its bytes.
std::map<QString, QByteArray> outside(const QString& root, const QString& dataDir)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.startsWith(dataDir + QLatin1Char('/')))
            files[path] = it.fileInfo().isFile() ? readBytes(path) : QByteArray("<folder or link>");
    }
    return files;
}

TEST_F(RecordStoreTest, HostileNamesNeverTouchAPathOutsideTheDataDirectory)
{
    ASSERT_TRUE(store.GetDataPath());
    writeBytes(m_root.filePath(QStringLiteral("outside.txt")), "keep");
    writeBytes(m_root.filePath(QStringLiteral("victim/victim.txt")), "keep");
    writeBytes(program() + QStringLiteral("/keep.txt"), "keep");
    writeBytes(data(QStringLiteral("/其他/real.txt")), "性别：男\r\n公历：1990-05-12 农历：\r\n");
    // Links planted inside the data directory must not carry a write, a rename or a deletion out of it.
    ASSERT_TRUE(QFile::link(m_root.filePath(QStringLiteral("victim")), data(QStringLiteral("/link"))));
    ASSERT_TRUE(QFile::link(m_root.filePath(QStringLiteral("outside.txt")), data(QStringLiteral("/其他/ln.txt"))));
    // An imported file whose name holds separators of either kind.
    writeBytes(m_root.filePath(QStringLiteral("src/..\\..\\evil.txt")), "evil");
    const auto before = outside(m_root.path(), data());

    const char* const kNames[] = {
        "..",   "../..", "../outside", "../../outside",    ".",   "",    "/tmp/x", "a/../..", "..\\outside",
        "link", "ln",    "其他/../..", "victim/../victim", "CON", " ..", "..."};
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        for (const std::string& group : {std::string(name), std::string("其他"), std::string("link")}) {
            store.saveRecord(group, name, "x", "y");
            store.readRecord(group, name);
            store.exportRecord(group, name, fromQt(m_root.filePath(QStringLiteral("exported.txt"))));
            store.deleteRecord(group, name);
            store.importFile(group, fromQt(m_root.filePath(QStringLiteral("src/..\\..\\evil.txt"))));
            store.importFile(group, fromQt(m_root.filePath(QStringLiteral("src/.."))));
        }
        store.deleteGroup(name);
        store.createGroup(name);
        store.renameGroup(name, "改名");
        store.renameGroup("改名", name);
        store.renameGroup("link", name);
        store.renameGroup(name, "link");
    }
    QFile::remove(m_root.filePath(QStringLiteral("exported.txt"))); // exporting is the user's own choice of place
    EXPECT_EQ(outside(m_root.path(), data()), before);
    EXPECT_EQ(readBytes(m_root.filePath(QStringLiteral("outside.txt"))), "keep");
    EXPECT_EQ(readBytes(m_root.filePath(QStringLiteral("victim/victim.txt"))), "keep");
    EXPECT_EQ(readBytes(data(QStringLiteral("/其他/evil.txt"))), "evil"); // copied under its last name part only
}

} // namespace
