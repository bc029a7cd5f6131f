#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

namespace ui {

// Lets `handle` see each key pressed on `widget` before the widget does; a key it returns true for goes no
// further. The hook is a child of the widget and goes with it.
void onKeys(QWidget* widget, std::function<bool(const QKeyEvent&)> handle);

// Runs `action` on Enter or Return pressed on `widget`, in place of what the widget would do with it.
void onEnter(QWidget* widget, std::function<void()> action);

// Whether the key asks for a context menu: the Menu key or Shift+F10.
bool isMenuKey(const QKeyEvent& key);

} // namespace ui
