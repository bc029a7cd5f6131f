#pragma once

#include <string>
#include <string_view>
#include <vector>

// Runs the built bazi binary as its own process with the given arguments and standard input.
struct BaziRun
{
    std::string out;
    std::string err;
    int status = -1; // exit status; 128 + signal number when the process was killed
};

// Standard input or output other than the given text and the captured output.
struct BaziStreams
{
    std::string inputPath;    // read in place of the input text (a directory, say)
    bool closedInput = false; // no standard input at all
    std::string outputPath;   // written in place of the captured output (/dev/full, say)
};

BaziRun runBazi(const std::vector<std::string>& args, std::string_view input = {}, const BaziStreams& streams = {});

// Expects a call that wrote `out` on standard output, nothing on standard error, and exited with `status`.
void expectPrinted(const BaziRun& run, std::string_view out, int status = 0);

// Expects a call refused as a bad command, option or argument: exit status 2, nothing on standard output, and one
// line "bazi: ..." of UTF-8 on standard error that holds `named`.
void expectUsageError(const BaziRun& run, std::string_view named = {});

// The text split at LF; a final LF ends the last line rather than starting an empty one.
std::vector<std::string> splitLines(const std::string& text);
