#include "ui/common/KeyHooks.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include <utility>

namespace ui {
namespace {

class KeyHook : public QObject
{
public:
    KeyHook(QWidget* widget, std::function<bool(const QKeyEvent&)> handle)
        : QObject(widget), m_handle(std::move(handle))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && m_handle(*static_cast<QKeyEvent*>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(const QKeyEvent&)> m_handle;
};

} // namespace

void onKeys(QWidget* widget, std::function<bool(const QKeyEvent&)> handle)
{
    new KeyHook(widget, std::move(handle));
}

void onEnter(QWidget* widget, std::function<void()> action)
{
    onKeys(widget, [action = std::move(action)](const QKeyEvent& key) {
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
            return false;
        action();
        return true;
    });
}

bool isMenuKey(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Menu || (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

} // namespace ui
