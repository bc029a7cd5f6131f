#include "ui/common/Questions.h"

#include <QMessageBox>
#include <QWidget>

namespace ui {

bool askYes(QWidget* window, const QString& text)
{
    QMessageBox box(QMessageBox::Question, window->windowTitle(), text, QMessageBox::Yes | QMessageBox::No, window);
    box.setObjectName(QStringLiteral("question"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    // The button, not exec()'s code: a box closed any other way counts as No.
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

} // namespace ui
