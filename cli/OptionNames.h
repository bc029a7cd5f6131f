#pragma once

#include "options/GivenOptions.h"
#include "options/ReadMoment.h"
#include "options/Values.h"

// The tool reads its words with the option reader it shares with the desktop program's --export.
namespace cli {

using options::Args;
using options::BirthOptions;
using options::checkMomentOptions;
using options::echoed;
using options::GivenOptions;
using options::hasMomentOptions;
using options::kInvalidUtf8;
using options::kMomentHelp;
using options::kMomentOptions;
using options::kValue;
using options::NamedOption;
using options::readBirthOptions;
using options::readCoveredTime;
using options::readLongitude;
using options::readLunarDay;
using options::readMomentOptions;
using options::readNumbers;
using options::readTermSource;
using options::shown;
using options::withMomentOptions;

} // namespace cli
