#include "tests/cli/RunBazi.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using File = std::unique_ptr<std::FILE, decltype(&std::fclose)>;

// Temporary files rather than pipes: the child can write any amount to both outputs without a reader.
File temporaryFile()
{
    File file(std::tmpfile(), &std::fclose);
    if (!file)
        throw std::runtime_error("no temporary file");
    return file;
}

std::string readAll(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    char buf[65536];
    while (const std::size_t n = std::fread(buf, 1, sizeof buf, file))
        text.append(buf, n);
    return text;
}

} // namespace

BaziRun runBazi(const std::vector<std::string>& args, std::string_view input, const BaziStreams& streams)
{
    const File in = temporaryFile();
    const File out = temporaryFile();
    const File err = temporaryFile();
    if (!input.empty())
        std::fwrite(input.data(), 1, input.size(), in.get());
    std::fflush(in.get());
    std::rewind(in.get());

    std::string path = BAZI_PATH;
    std::vector<std::string> words{path};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (streams.closedInput)
        posix_spawn_file_actions_addclose(&actions, 0);
    else if (!streams.inputPath.empty())
        posix_spawn_file_actions_addopen(&actions, 0, streams.inputPath.c_str(), O_RDONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, fileno(in.get()), 0);
    if (!streams.outputPath.empty())
        posix_spawn_file_actions_addopen(&actions, 1, streams.outputPath.c_str(), O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), 2);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    BaziRun run;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << path;
        return run;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = readAll(out.get());
    run.err = readAll(err.get());
    return run;
}

void expectPrinted(const BaziRun& run, std::string_view out, int status)
{
    EXPECT_EQ(run.status, status);
    EXPECT_EQ(run.out, out);
    EXPECT_EQ(run.err, "");
}

void expectUsageError(const BaziRun& run, std::string_view named)
{
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("bazi: ")) << run.err;
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    EXPECT_EQ(splitLines(run.err).size(), 1u) << run.err;
    EXPECT_TRUE(engine::utf8::isValid(run.err));
}

std::vector<std::string> splitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t end = text.find('\n', begin);
        lines.push_back(text.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
        begin = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}
