#pragma once

#include <QString>

class QWidget;

namespace ui {

// Asks a yes-or-no question over `window` before something is deleted or replaced. No is the default button and
// the answer of Esc or of closing the box, so only a deliberate Yes returns true.
bool askYes(QWidget* window, const QString& text);

} // namespace ui
