#pragma once

#include "store/QtText.h"

// The windows convert text through the store's bridge, so there is one way between std::string and QString.
namespace ui {

using store::fromQt;
using store::toQt;

} // namespace ui
