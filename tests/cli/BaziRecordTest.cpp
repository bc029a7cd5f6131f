#include "tests/cli/RunBazi.h"

#include "models/records/RecordFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A folder of record files under the test's temporary directory, emptied first.
class BaziRecord : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // One folder per test: ctest runs the tests of this suite side by side.
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = fs::path(::testing::TempDir()) / ("bazi-record-test-" + std::string(test->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string write(const std::string& name, const std::string& bytes) const
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    fs::path m_dir;
};

// The chart `bazi chart` prints for the arguments, with the given line ends.
std::string chart(std::vector<std::string> args, bool crlf)
{
    args.insert(args.begin(), "chart");
    if (crlf)
        args.push_back("--crlf");
    return runBazi(args).out;
}

// clang-format off
const std::vector<std::string> kKashgar = {"--name",       "李四",   "--sex",   "女",       "--date",
                                           "1990-01-15",   "--time", "00:20",   "--place",  "喀什",
                                           "--solar-time", "true",   "--stars", "--layout", "横排"};
// clang-format on

TEST_F(BaziRecord, ReChartsAStoredChartWithItsOptions)
{
    const std::string path = write("李四.txt", models::composeRecord(chart(kKashgar, true), "备注一行"));
    const BaziRun run = runBazi({"record", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string head = "file: " + path +
                             "\nname: 李四\nsex: 女\nbirth: 1990-01-15 00:20:00\nplace: 喀什（新疆）\n"
                             "solar-time: true\nlayout: 横排\nstars: yes\nmatches: yes\n\n";
    EXPECT_EQ(run.out, head + chart(kKashgar, false) + "\n");
}

// A birth of unknown hour under true solar time: the record keeps 时辰不详 and the solar-time row, and re-charts alike.
TEST_F(BaziRecord, ReChartsAChartOfUnknownHour)
{
    std::vector<std::string> words = kKashgar;
    words[7] = "unknown";
    const std::string path = write("李四.txt", models::composeRecord(chart(words, true), ""));
    const BaziRun run = runBazi({"record", path});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\nbirth: 1990-01-15 时辰不详\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nmatches: yes\n"), std::string::npos) << run.out;
}

TEST_F(BaziRecord, JsonHoldsTheChart)
{
    const std::string path = write("a.txt", models::composeRecord(chart(kKashgar, true), ""));
    const BaziRun run = runBazi({"record", "--json", path});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(splitLines(run.out).size(), 1u);
    EXPECT_NE(run.out.find(R"("place":"喀什（新疆）","solarTime":"true","layout":"横排","stars":true,"matches":true,)"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(R"("chart":"姓名：李四       性别：女\n出生公历：1990-01-15 00:20:00)"), std::string::npos);
}

TEST_F(BaziRecord, ReadsGb18030AsTheWindowWritesIt)
{
    // 张 is D5C5 and 三 C8FD in GB18030; the rest of the two rows is ASCII but for the labels, written here in GB18030
    // too: 姓名 D0D5C3FB, 性别 D0D4B1F0, 男 C4D0, 出生 B3F6C9FA, 公历 B9ABC0FA, 农历 C5A9C0FA, full-width colon A3BA.
    const std::string text = "\xD0\xD5\xC3\xFB\xA3\xBA\xD5\xC5\xC8\xFD       \xD0\xD4\xB1\xF0\xA3\xBA\xC4\xD0\r\n"
                             "\xB3\xF6\xC9\xFA\xB9\xAB\xC0\xFA\xA3\xBA"
                             "1984-03-02 16:25:00    \xC5\xA9\xC0\xFA\xA3\xBA\r\n\r\n";
    const std::string path = write("gb.txt", text);
    const BaziRun run = runBazi({"record", path});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("name: 张三\nsex: 男\nbirth: 1984-03-02 16:25:00\nlayout: 竖排\nstars: no\nmatches: no\n"),
              std::string::npos)
        << run.out;
    const std::vector<std::string> plain = {"--name", "张三", "--sex", "男", "--date", "1984-03-02", "--time", "16:25"};
    EXPECT_NE(run.out.find(chart(plain, false)), std::string::npos);
}

// A file the tool refused before: the stray bytes show as U+FFFD, as the window shows them, and are reported.
TEST_F(BaziRecord, BadBytesAreShownAsReplacementCharactersAndReported)
{
    // 张 D5C5, then 0xFF and 0x80, which start no GB18030 code, in the name; the labels as in the test above.
    const std::string text = "\xD0\xD5\xC3\xFB\xA3\xBA\xD5\xC5\xFF\x80       \xD0\xD4\xB1\xF0\xA3\xBA\xC4\xD0\r\n"
                             "\xB3\xF6\xC9\xFA\xB9\xAB\xC0\xFA\xA3\xBA"
                             "1984-03-02 16:25:00    \xC5\xA9\xC0\xFA\xA3\xBA\r\n\r\n";
    const std::string path = write("bad.txt", text);
    for (const bool json : {false, true}) {
        SCOPED_TRACE(json ? "--json" : "text");
        const BaziRun run = json ? runBazi({"record", "--json", path}) : runBazi({"record", path});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "bazi: " + path + ": not GB18030 text in 2 places; shown as U+FFFD\n");
        EXPECT_NE(run.out.find(json ? "\"name\":\"张\uFFFD\uFFFD\"" : "name: 张\uFFFD\uFFFD\n"), std::string::npos)
            << run.out;
    }
    // Another file that fails keeps its own error and exit status.
    const BaziRun both = runBazi({"record", path, write("note.txt", "购物清单\r\n")});
    EXPECT_EQ(both.status, 1);
    EXPECT_EQ(splitLines(both.err).size(), 2u);
}

TEST_F(BaziRecord, UnreadableFilesGiveAnErrorLineAndTheOthersAreStillRead)
{
    const std::string good = write("good.txt", models::composeRecord(chart(kKashgar, true), ""));
    const struct
    {
        const char* why;
        std::string name;
        std::string bytes;
    } kBad[] = {
        {"an empty file", "empty.txt", ""},
        {"a binary file", "binary.txt", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"text without the two chart rows", "note.txt", "购物清单\r\n苹果\r\n"},
        {"a missing file", "missing.txt", {}},
    };
    for (const auto& c : kBad) {
        SCOPED_TRACE(c.why);
        const std::string path = c.name == "missing.txt" ? (m_dir / c.name).string() : write(c.name, c.bytes);
        const BaziRun run = runBazi({"record", path, good});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.rfind("error: " + path + ": ", 0), 0u) << run.err;
        EXPECT_EQ(splitLines(run.err).size(), 1u);
        EXPECT_NE(run.out.find("file: " + good + "\n"), std::string::npos);
    }
}

} // namespace
