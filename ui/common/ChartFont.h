#pragma once

#include <QFont>

namespace ui {

// The font of chart texts and the solar-time table: "宋体" 10.5 pt, or else an installed fixed-pitch CJK font in
// which a Chinese character is exactly two columns, since the texts align their columns by that count.
QFont chartFont();

} // namespace ui
