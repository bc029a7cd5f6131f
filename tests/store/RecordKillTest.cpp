#include "store/RecordStore.h"
#include "store/StoreText.h"
#include "tests/store/RecordSaveLoopContents.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace {

constexpr int kKills = 200;
// Kills land from 0 to 30 ms after the helper's first finished save; a save, flushed to disk before its rename,
// takes about 10 ms, so the kills fall before, inside and after the following saves.
constexpr int kLongestDelayMs = 30;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A save killed at any moment leaves the record as it was before that save or as that save wrote it, never a mix,
// a truncated file or no file.
TEST(RecordStoreKill, KilledSavesLeaveTheOldRecordOrTheNew)
{
    int argc = 1;
    char program[] = "store_tests";
    char* argv[] = {program, nullptr};
    std::unique_ptr<QCoreApplication> app; // QProcess needs one
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);

    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    store::RecordStore store(store::fromQt(root.path()), store::fromQt(root.path()));
    const QString path = root.path() + QStringLiteral("/data/其他/张三.txt");
    using recordtest::kLoopGroup, recordtest::kLoopName, recordtest::kLoopRemark, recordtest::loopChart;
    ASSERT_FALSE(store.saveRecord(kLoopGroup, kLoopName, loopChart('A'), kLoopRemark));
    const QByteArray a = readBytes(path);
    ASSERT_FALSE(store.saveRecord(kLoopGroup, kLoopName, loopChart('B'), kLoopRemark));
    const QByteArray b = readBytes(path);
    ASSERT_NE(a, b); // B is on disk; the helper writes A first

    std::mt19937 random(20240210); // fixed, so a failure can be replayed
    std::uniform_int_distribution<int> delayMs(0, kLongestDelayMs);
    int seen[2] = {0, 0};
    for (int i = 0; i < kKills; ++i) {
        QProcess helper;
        helper.start(QStringLiteral(RECORD_SAVE_LOOP_PATH), {root.path()});
        ASSERT_TRUE(helper.waitForStarted());
        ASSERT_TRUE(helper.waitForReadyRead(10'000)) << "the helper never saved";
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
        helper.kill(); // SIGKILL: no chance to finish the write
        ASSERT_TRUE(helper.waitForFinished());
        ASSERT_EQ(helper.exitStatus(), QProcess::CrashExit) << "the helper stopped by itself at kill " << i;
        const QByteArray now = readBytes(path);
        ASSERT_TRUE(now == a || now == b) << "kill " << i << " left " << now.size() << " bytes";
        ++seen[now == a ? 0 : 1];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0); // kills came after more than one save
    const auto groups = store.listGroups();
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].records, (std::vector<std::string>{kLoopName})); // no half-written file is listed
}

} // namespace
