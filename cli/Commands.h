#pragma once

#include "cli/CliSupport.h"

// The subcommands of bazi; each takes the words after its name and returns the exit status.
namespace cli {

int lunarCommand(Args args);   // cli/LunarCommand.cpp
int solarCommand(Args args);   // cli/SolarCommand.cpp
int pillarsCommand(Args args); // cli/PillarsCommand.cpp
int termsCommand(Args args);   // cli/TermsCommand.cpp

} // namespace cli
