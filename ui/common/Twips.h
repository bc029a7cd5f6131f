#pragma once

#include <QRect>

// Window layouts are designed in twips: 1440 to the inch, so 15 to a pixel at 96 dpi.
namespace ui {

// Pixels for a design length, following the primary screen's logical dpi.
int twips(int length);

QRect twipsRect(int left, int top, int width, int height);

} // namespace ui
