#pragma once

#include "ui/common/QtText.h"

#include <QRect>

class QAction;
class QMenu;

// How the windows make their controls: each takes its published name as its object name, so tests and
// accessibility tools find it by that name.
namespace ui {

template <class Object> Object* named(Object* object, const char* name)
{
    object->setObjectName(toQt(name));
    return object;
}

// A named control at its design place (pixels, usually from twipsRect).
template <class Widget> Widget* placed(Widget* widget, const char* name, const QRect& geometry)
{
    named(widget, name)->setGeometry(geometry);
    return widget;
}

// The control with the name a screen reader reads for it (window tests find it by that name too).
template <class Widget> Widget* spoken(Widget* widget, const char* name)
{
    widget->setAccessibleName(toQt(name));
    return widget;
}

// Appends a named item with that caption to the menu.
QAction* menuItem(QMenu* menu, const char* name, const char* text);

} // namespace ui
