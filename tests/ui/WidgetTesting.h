#pragma once

#include "ui/common/QtText.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetricsF>
#include <QObject>
#include <QTest>
#include <QTimer>

#include <functional>

// Helpers of the window tests: controls are found by their object names, modal windows are closed by a timer.
namespace uitest {

template <class Widget> Widget* child(const QObject& parent, const char* name)
{
    return parent.findChild<Widget*>(ui::toQt(name));
}

// Runs an action that opens modal windows; each is handed to `inspect`, then closed, so the test never blocks.
// Returns how many were opened.
inline int closingModals(const std::function<void()>& action, const std::function<void(QDialog&)>& inspect = {})
{
    int opened = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        ++opened;
        if (inspect)
            inspect(*dialog);
        dialog->done(QDialog::Rejected);
    });
    timer.start(5);
    action();
    return opened;
}

// Lets queued geometry changes arrive and the windows react to them.
inline void settle()
{
    for (int i = 0; i < 5; ++i)
        QTest::qWait(20);
}

// Pixels of a text in a font, against the pixels its column count should take (1 per ASCII, 2 per other char).
inline qreal misalignment(const QFontMetricsF& metrics, const QString& text, int columns)
{
    return metrics.horizontalAdvance(text) - columns * metrics.horizontalAdvance(QLatin1Char('0'));
}

} // namespace uitest
