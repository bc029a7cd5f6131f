#include "ui/main/Form1.h"

#include "tests/ui/main/Form1RecordsFixture.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using uitest::child;
using uitest::fileDialogOf;
using uitest::Form1RecordsTest;
using uitest::SeenDialog;

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

} // namespace
