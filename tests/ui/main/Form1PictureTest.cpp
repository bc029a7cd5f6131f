#include "tests/ui/main/Form1RecordsFixture.h"
#include "ui/chart/ChartView.h"

#include <QPrintPreviewDialog>
#include <QStatusBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using uitest::child;
using uitest::fileDialogOf;
using uitest::Form1RecordsTest;

namespace {

class Form1PictureTest : public Form1RecordsTest
{
protected:
    ui::ChartView* picture() const { return child<ui::ChartView>(form, "ChartPicture"); }
    QPushButton* switchButton() const { return child<QPushButton>(form, "CommandPicture"); }
};

TEST_F(Form1PictureTest, TheSwitchShowsTheDrawnChartInTheTextsPlace)
{
    chartZhangSan();
    ASSERT_TRUE(picture()->sheet());
    EXPECT_EQ(picture()->sheet()->name, "张三");
    EXPECT_FALSE(picture()->isVisible());

    QTest::mouseClick(switchButton(), Qt::LeftButton);
    EXPECT_TRUE(picture()->isVisible());
    EXPECT_FALSE(text("TexCont")->isVisible());
    EXPECT_EQ(picture()->geometry(), text("TexCont")->geometry());

    QTest::mouseClick(switchButton(), Qt::LeftButton);
    EXPECT_FALSE(picture()->isVisible());
    EXPECT_TRUE(text("TexCont")->isVisible());

    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier); // a new person: no chart, drawn or written
    EXPECT_FALSE(picture()->sheet());
}

// The window opens in the view last chosen.
TEST_F(Form1PictureTest, TheChosenViewIsKeptForTheNextStart)
{
    QTest::mouseClick(switchButton(), Qt::LeftButton);
    {
        Form1 next(programFolder.path());
        next.show();
        EXPECT_TRUE(child<ui::ChartView>(next, "ChartPicture")->isVisible());
        EXPECT_FALSE(child<QPlainTextEdit>(next, "TexCont")->isVisible());
    }
    QTest::mouseClick(switchButton(), Qt::LeftButton);
    Form1 later(programFolder.path());
    later.show();
    EXPECT_FALSE(child<ui::ChartView>(later, "ChartPicture")->isVisible());
}

TEST_F(Form1PictureTest, NothingToPrintOrExportBeforeAChart)
{
    for (const char* action : {"mPrint", "mPreview", "mPdf", "mPng"}) {
        SCOPED_TRACE(action);
        const auto seen = trigger(action);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, QStringLiteral("请先八字排盘"));
    }
}

// A saved record draws again from the birth it holds.
TEST_F(Form1PictureTest, AShownRecordIsDrawn)
{
    chartZhangSan();
    trigger("mSave");
    child<QLineEdit>(form, "TxtName")->setText(QStringLiteral("另一人"));
    QTest::mouseClick(child<QPushButton>(form, "Command1"), Qt::LeftButton);
    ASSERT_EQ(picture()->sheet()->name, "另一人");
    click(firstChild(node(root(), QStringLiteral("其他"))));
    ASSERT_TRUE(picture()->sheet());
    EXPECT_EQ(picture()->sheet()->name, "张三");
}

TEST_F(Form1PictureTest, ExportProposesTheNameAndWritesTheFile)
{
    chartZhangSan();
    const QTemporaryDir elsewhere;
    const struct
    {
        const char* action;
        const char* proposed;
        QString answer;
    } cases[] = {
        {"mPdf", "张三.pdf", elsewhere.filePath(QStringLiteral("给客户.pdf"))},
        {"mPng", "张三.png", elsewhere.filePath(QStringLiteral("给客户.png"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        const uitest::SeenDialog seen = fileDialogOf(child<QAction>(form, c.action), c.answer);
        EXPECT_EQ(seen.file, QString::fromUtf8(c.proposed));
        EXPECT_GT(QFileInfo(c.answer).size(), 1000);
        EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("已导出：") + c.answer);
    }
}

TEST_F(Form1PictureTest, PrintPreviewOpensAndCloses)
{
    chartZhangSan();
    int previews = 0;
    uitest::closingModals(
        [this] { child<QAction>(form, "mPreview")->trigger(); },
        [&previews](QDialog& dialog) { previews += qobject_cast<QPrintPreviewDialog*>(&dialog) != nullptr; });
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(child<QAction>(form, "mPrint")->shortcut(), QKeySequence(QKeySequence::Print));
}

} // namespace
