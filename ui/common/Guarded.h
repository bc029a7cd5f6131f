#pragma once

#include <functional>

class QWidget;

namespace ui {

// Runs a handler so that no exception crosses the event loop: an engine error becomes a warning box over `window`
// and the window stays usable.
void runGuarded(QWidget* window, const std::function<void()>& handler);

// A slot that runs `handler` of `window` guarded.
template <class Window> std::function<void()> guarded(Window* window, void (Window::*handler)())
{
    return [window, handler] { runGuarded(window, [window, handler] { (window->*handler)(); }); };
}

} // namespace ui
