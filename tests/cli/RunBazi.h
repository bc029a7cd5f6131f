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

BaziRun runBazi(const std::vector<std::string>& args, std::string_view input = {});

// The text split at LF; a final LF ends the last line rather than starting an empty one.
std::vector<std::string> splitLines(const std::string& text);
