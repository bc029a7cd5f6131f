#include "tests/cli/RunBazi.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kCannotRead = "bazi: cannot read standard input\n";
const std::string kCannotWrite = "bazi: cannot write to standard output\n";
const std::string kFullDevice = "/dev/full"; // every write fails with "no space left"

BaziStreams inputFrom(std::string path)
{
    BaziStreams streams;
    streams.inputPath = std::move(path);
    return streams;
}

BaziStreams noInput()
{
    BaziStreams streams;
    streams.closedInput = true;
    return streams;
}

BaziStreams outputTo(std::string path)
{
    BaziStreams streams;
    streams.outputPath = std::move(path);
    return streams;
}

struct StreamCase
{
    std::vector<std::string> args;
    std::string input;
    BaziStreams streams;
    const char* why;
};

TEST(BaziCli, UnreadableStandardInputIsAnErrorNotAnEmptyInput)
{
    const StreamCase cases[] = {
        {{"lunar", "-"}, "", inputFrom("/"), "a directory: every read fails"},
        {{"lunar", "-"}, "", noInput(), "no standard input at all"},
        {{"idnum", "--json", "-"}, "", inputFrom("/"), "every command that reads lines"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const BaziRun run = runBazi(c.args, c.input, c.streams);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, kCannotRead);
    }
}

TEST(BaziCli, OutputThatCannotBeWrittenIsAnError)
{
    if (!std::filesystem::exists(kFullDevice))
        GTEST_SKIP() << "no " << kFullDevice;
    std::string manyLines;
    for (int i = 0; i < 20000; ++i)
        manyLines += "2000-01-01\n";
    const StreamCase cases[] = {
        {{"lunar", "2000-01-01"}, "", {}, "a value"},
        {{"lunar", "-"}, "2000-01-01\n", {}, "a line of standard input"},
        {{"lunar", "-"}, manyLines, {}, "more than one flush: the first failed write is not the last"},
        {{"lunar", "-"}, "2000-02-30\n", {}, "a refused line is output too, and the write error wins over it"},
        {{"lunar", "--help"}, "", {}, "help text"},
        {{"month", "2024", "2"}, "", {}, "a command that answers one request"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const BaziRun run = runBazi(c.args, c.input, outputTo(kFullDevice));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, kCannotWrite);
    }
}

TEST(BaziCli, UsageErrorWithNothingToWriteIsNotAWriteError)
{
    const BaziRun run = runBazi({"lunar", "2000-02-30"}, "", outputTo(kFullDevice));
    expectUsageError(run, "\"2000-02-30\"");
    EXPECT_EQ(run.err.find("cannot write"), std::string::npos);
}

TEST(BaziCli, ByteOrderMarkBeforeTheFirstLineIsSkipped)
{
    const std::string bom = "\xEF\xBB\xBF";
    const StreamCase cases[] = {
        {{"lunar", "-"}, bom + "2000-01-01\n", {}, "as Windows editors save UTF-8"},
        {{"lunar", "-"}, bom + "2000-01-01\r\n", {}, "with CR LF"},
        {{"lunar", "--json", "-"}, bom + "2000-01-01", {}, "no final LF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const BaziRun plain = runBazi(c.args, c.input.substr(bom.size()));
        ASSERT_EQ(plain.status, 0);
        expectPrinted(runBazi(c.args, c.input), plain.out);
    }
}

TEST(BaziCli, ByteOrderMarkInsideTheInputIsNoDate)
{
    // Only the start of the stream carries a mark; one further down is part of a bad line.
    const BaziRun run = runBazi({"lunar", "-"}, "2000-01-01\n\xEF\xBB\xBF"
                                                "2000-01-01\n");
    EXPECT_EQ(run.status, 1);
    const auto lines = splitLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "农历己卯年(兔)十一月廿五");
    EXPECT_TRUE(lines[1].starts_with("error: not a date")) << lines[1];
}

} // namespace
