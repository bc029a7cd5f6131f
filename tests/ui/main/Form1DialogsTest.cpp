#include "ui/main/Form1.h"

#include "tests/ui/main/Form1RecordsFixture.h"
#include "ui/common/QtText.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using uitest::child;
using uitest::closingModals;
using uitest::fileDialogOf;
using uitest::Form1RecordsTest;
using uitest::SeenDialog;
using uitest::SeenMessage;

namespace {

TEST_F(Form1RecordsTest, ExportProposesTheNameAndBothDialogsRememberTheFolder)
{
    chartZhangSan();
    trigger("mSave");
    tree()->setCurrentIndex(firstChild(node(root(), QStringLiteral("其他"))));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);

    QTemporaryDir elsewhere;
    SeenDialog seen = fileDialogOf(child<QAction>(form, "shuDao"), elsewhere.path() + QStringLiteral("/给客户.txt"));
    if (QFileInfo(documents).isDir()) { // a dialog cannot open in a folder that does not exist
        EXPECT_EQ(seen.folder, QDir(documents).absolutePath());
    }
    EXPECT_EQ(seen.file, QStringLiteral("张三.txt"));
    EXPECT_TRUE(QFileInfo::exists(elsewhere.path() + QStringLiteral("/给客户.txt")));

    tree()->setCurrentIndex(node(root(), QStringLiteral("其他")));
    seen = fileDialogOf(child<QAction>(form, "zuDaoRu"), {}); // import: cancelled
    EXPECT_EQ(seen.folder, QDir(elsewhere.path()).absolutePath());
}

// Each window menu item opens its window, which Esc closes; saving before any chart says why not.
TEST_F(Form1RecordsTest, MenuItemsOpenTheirWindows)
{
    SeenMessage saved;
    EXPECT_EQ(closingModals([this] { child<QAction>(form, "mSave")->trigger(); },
                            [&saved](QDialog& dialog) {
                                if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                                    saved = {box->icon(), box->text()};
                            }),
              1);
    EXPECT_EQ(saved.icon, QMessageBox::Warning);
    EXPECT_EQ(saved.text, QStringLiteral("请先八字排盘，再保存")); // no chart yet

    const struct
    {
        const char* item;
        const char* window;
        const char* caption;
    } kWindows[] = {
        {"mPing", "FormPTY", "平太阳时"},
        {"mWNL", "FormWNL", "万年历"},
        {"mNiBZ", "FormNiBZ", "八字回推"},
        {"mAbout", "FormAbout", "关于排盘"},
    };
    for (const auto& c : kWindows) {
        SCOPED_TRACE(c.item);
        QString name, caption;
        bool closedByEsc = false;
        EXPECT_EQ(closingModals([&] { child<QAction>(form, c.item)->trigger(); },
                                [&](QDialog& dialog) {
                                    name = dialog.objectName();
                                    caption = dialog.windowTitle();
                                    QTest::keyClick(&dialog, Qt::Key_Escape);
                                    closedByEsc = !dialog.isVisible();
                                }),
                  1);
        EXPECT_TRUE(closedByEsc);
        EXPECT_EQ(name, ui::toQt(c.window));
        EXPECT_EQ(caption, ui::toQt(c.caption));
    }
}

} // namespace
