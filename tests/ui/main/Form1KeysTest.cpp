#include "ui/main/Form1.h"

#include "tests/ui/main/Form1RecordsFixture.h"
#include "ui/common/Translations.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

using uitest::child;
using uitest::Form1RecordsTest;

namespace {

class Form1KeysTest : public Form1RecordsTest
{
protected:
    void SetUp() override
    {
        Form1RecordsTest::SetUp();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // The control a screen reader knows by that name.
    QWidget* spoken(const char* name) const
    {
        for (QWidget* w : form.findChildren<QWidget*>())
            if (w->accessibleName() == ui::toQt(name))
                return w;
        return nullptr;
    }

    // A 1990 summer birth opens the birth-place panel with its summer-time line; the offscreen platform activates
    // every shown window, where a desktop leaves the keyboard in the main window.
    void keepMainWindowActive() const { QApplication::setActiveWindow(const_cast<Form1*>(&form)); }

    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // Presses a key on the control (the focused one when none is named), taking the message boxes it shows
    // (answered No).
    std::vector<uitest::SeenMessage> press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                                           QWidget* on = nullptr) const
    {
        QWidget* target = on ? on : QApplication::focusWidget();
        EXPECT_NE(target, nullptr);
        if (!target)
            return {};
        return run([&] { QTest::keyClick(target, Qt::Key(key), modifiers); });
    }
    std::vector<uitest::SeenMessage> pressOnTree(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        return press(key, modifiers, tree());
    }
};

TEST_F(Form1KeysTest, TabVisitsEveryControlAndLeavesTheChartBox)
{
    chartZhangSan();
    keepMainWindowActive();
    const QString chart = text("TexCont")->toPlainText();
    text("TexCont")->selectAll();
    child<QLineEdit>(form, "TxtName")->setFocus();
    QList<QWidget*> widgets;
    QStringList visited;
    for (int i = 0; i < 30 && !widgets.contains(QApplication::focusWidget()); ++i) {
        widgets << QApplication::focusWidget();
        visited << focused();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(focused(), QStringLiteral("TxtName")) << visited.join(u' ').toStdString(); // round the window
    for (const char* name : {"OptSex", "ComboPai", "CheckShen", "Combo1", "Combo2", "Combo3", "Combo4", "Combo5",
                             "Combo6", "Command1", "TreeView1", "TexCont", "TextMark"})
        EXPECT_TRUE(visited.contains(ui::toQt(name))) << name;
    EXPECT_EQ(text("TexCont")->toPlainText(), chart); // a Tab on the selected chart replaced nothing
}

TEST_F(Form1KeysTest, EnterChartsFromTheNameBoxTheListsAndTheButton)
{
    for (const char* name : {"TxtName", "Combo2", "Combo6", "Command1"}) {
        SCOPED_TRACE(name);
        text("TexCont")->clear();
        chartZhangSan(); // fills the controls
        keepMainWindowActive();
        text("TexCont")->clear();
        child<QWidget>(form, name)->setFocus();
        EXPECT_TRUE(press(Qt::Key_Return).empty());
        EXPECT_TRUE(text("TexCont")->toPlainText().contains(QStringLiteral("张三")));
    }
}

TEST_F(Form1KeysTest, TheRecordTreeAnswersItsKeys)
{
    chartZhangSan();
    trigger("mSave");
    const QString file = data(QStringLiteral("/其他/张三.txt"));
    child<QLineEdit>(form, "TxtName")->clear();
    text("TexCont")->clear();
    tree()->setFocus();
    tree()->setCurrentIndex(firstChild(node(root(), QStringLiteral("其他"))));

    EXPECT_TRUE(pressOnTree(Qt::Key_Return).empty()); // Enter opens the record
    EXPECT_EQ(child<QLineEdit>(form, "TxtName")->text(), QStringLiteral("张三"));
    EXPECT_FALSE(text("TexCont")->toPlainText().isEmpty());

    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
        auto* menu = child<QMenu>(form, "menuTree");
        pressOnTree(key, modifiers);
        EXPECT_TRUE(menu->isVisible()) << key;
        menu->close();
    }

    const auto seen = pressOnTree(Qt::Key_Delete); // answered No
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("要删除记录“张三”吗？"));
    EXPECT_TRUE(QFileInfo::exists(file));

    tree()->setCurrentIndex(node(root(), QStringLiteral("其他")));
    pressOnTree(Qt::Key_Menu);
    EXPECT_TRUE(child<QMenu>(form, "menuZu")->isVisible());
    child<QMenu>(form, "menuZu")->close();

    trigger("zuAdd");
    ASSERT_NE(labelEditor(), nullptr);
    QTest::keyClick(labelEditor(), Qt::Key_Escape); // the name it was given stays
    uitest::settle();
    tree()->setFocus();
    pressOnTree(Qt::Key_F2);
    EXPECT_NE(labelEditor(), nullptr); // F2 renames a group
}

TEST_F(Form1KeysTest, ShortcutsSaveAndClear)
{
    chartZhangSan();
    child<QLineEdit>(form, "TxtName")->setFocus();
    const auto seen = press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, QStringLiteral("数据保存完毕"));
    EXPECT_TRUE(QFileInfo::exists(data(QStringLiteral("/其他/张三.txt"))));
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("已保存“张三”到组“其他”"));

    form.activateWindow(); // the message box had the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    text("TextMark")->setFocus();
    press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(child<QLineEdit>(form, "TxtName")->text().isEmpty());
    EXPECT_TRUE(text("TexCont")->toPlainText().isEmpty());
    EXPECT_TRUE(text("TextMark")->toPlainText().isEmpty());
    EXPECT_EQ(focused(), QStringLiteral("TxtName"));
}

TEST_F(Form1KeysTest, InputControlsHaveSpokenNames)
{
    const struct
    {
        const char* name;
        const char* control;
    } kNames[] = {
        {"姓名", "TxtName"},  {"出生年", "Combo2"},     {"出生月", "Combo3"},    {"出生日", "Combo4"},
        {"出生时", "Combo5"}, {"出生分", "Combo6"},     {"历法", "Combo1"},      {"排列方式", "ComboPai"},
        {"命盘", "TexCont"},  {"备注信息", "TextMark"}, {"用户组", "TreeView1"}, {"神煞", "CheckShen"},
    };
    for (const auto& c : kNames) {
        SCOPED_TRACE(c.name);
        QWidget* w = spoken(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), ui::toQt(c.control));
    }
}

// The status line tells what was done and then gives the line back to where the records are kept.
TEST_F(Form1KeysTest, TheStatusLineTellsWhatHappened)
{
    chartZhangSan();
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("已排盘：张三"));
    auto* panel = child<QLabel>(form, "Panel1");
    const QString notice = panel->text();
    QTest::qWait(5200);
    EXPECT_TRUE(form.statusBar()->currentMessage().isEmpty());
    EXPECT_EQ(panel->text(), notice);
    EXPECT_TRUE(panel->isVisible());
}

TEST(QtTranslations, MessageBoxButtonsReadChinese)
{
    QTranslator* translator = ui::installQtTranslations(QLocale(QLocale::Chinese, QLocale::China));
    ASSERT_NE(translator, nullptr);
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(ui::programLocale().language(), QLocale::Chinese);
}

} // namespace
