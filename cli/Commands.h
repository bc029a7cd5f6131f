#pragma once

#include "cli/OptionNames.h"

// The subcommands of bazi, the list main() dispatches over; each takes the words after its name and returns the exit
// status. Each command file defines one of them and keeps everything else to itself.
namespace cli {

int lunarCommand(Args args);    // cli/LunarCommand.cpp
int solarCommand(Args args);    // cli/SolarCommand.cpp
int pillarsCommand(Args args);  // cli/PillarsCommand.cpp
int termsCommand(Args args);    // cli/TermsCommand.cpp
int chartCommand(Args args);    // cli/ChartCommand.cpp
int lookupCommand(Args args);   // cli/LookupCommand.cpp
int readingsCommand(Args args); // cli/ReadingsCommand.cpp
int matchCommand(Args args);    // cli/MatchCommand.cpp
int idnumCommand(Args args);    // cli/IdnumCommand.cpp
int monthCommand(Args args);    // cli/MonthCommand.cpp
int placesCommand(Args args);   // cli/PlacesCommand.cpp
int recordCommand(Args args);   // cli/RecordCommand.cpp

} // namespace cli
