#include "ui/common/Guarded.h"

#include "engine/support/RangeError.h"
#include "ui/common/QtText.h"

#include <QMessageBox>
#include <QWidget>

#include <exception>

namespace ui {

void runGuarded(QWidget* window, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const engine::RangeError& e) {
        QMessageBox::warning(window, window->windowTitle(), QStringLiteral("日期超出范围：") + toQt(e.what()));
    } catch (const std::exception& e) {
        QMessageBox::warning(window, window->windowTitle(), QStringLiteral("操作未能完成：") + toQt(e.what()));
    }
}

} // namespace ui
