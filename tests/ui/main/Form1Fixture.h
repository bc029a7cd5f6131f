#pragma once

#include "ui/main/Form1.h"

#include "tests/ui/WidgetTesting.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace uitest {

struct SeenMessage
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    bool defaultNo = false; // the box's default button is No
};

// A shown main window whose records live and die in a fresh program folder.
class Form1Fixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QComboBox* combo(const char* name) const { return child<QComboBox>(form, name); }

    // Runs an action and returns the message boxes it showed, each closed after it is seen; a question is answered
    // with `answer` when it offers that button, and closed unanswered otherwise.
    static std::vector<SeenMessage> messagesOf(const std::function<void()>& action,
                                               QMessageBox::StandardButton answer = QMessageBox::No)
    {
        std::vector<SeenMessage> seen;
        closingModals(action, [&seen, answer](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            if (!box)
                return;
            seen.push_back({box->icon(), box->text(), box->defaultButton() == box->button(QMessageBox::No)});
            if (QAbstractButton* button = box->button(answer))
                button->click();
        });
        return seen;
    }

    QTemporaryDir programFolder;
    Form1 form{programFolder.path()};
};

} // namespace uitest
