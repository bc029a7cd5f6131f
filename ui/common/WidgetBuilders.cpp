#include "ui/common/WidgetBuilders.h"

#include <QAction>
#include <QMenu>

namespace ui {

QAction* menuItem(QMenu* menu, const char* name, const char* text)
{
    return named(menu->addAction(toQt(text)), name);
}

} // namespace ui
