#pragma once

#include <string>
#include <vector>

// `chengshu-bazi --export FILE.pdf|FILE.png` with the birth options of `bazi chart`: the drawn chart written
// without a window.
namespace app {

// The words after the program's name hold --export (as "--export FILE" or "--export=FILE").
bool asksForExport(const std::vector<std::string>& words);

// Writes the file and returns 0, or prints why not on standard error and returns 2. Needs a QGuiApplication.
int exportChart(const std::vector<std::string>& words);

} // namespace app
