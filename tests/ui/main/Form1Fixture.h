#pragma once

#include "ui/main/Form1.h"

#include "tests/ui/WidgetTesting.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace uitest {

struct SeenMessage
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
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

    // Runs an action and returns the message boxes it showed, each closed after it is seen.
    static std::vector<SeenMessage> messagesOf(const std::function<void()>& action)
    {
        std::vector<SeenMessage> seen;
        closingModals(action, [&seen](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                seen.push_back({box->icon(), box->text()});
        });
        return seen;
    }

    QTemporaryDir programFolder;
    Form1 form{programFolder.path()};
};

} // namespace uitest
