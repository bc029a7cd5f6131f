#include "ui/main/Form1.h"

#include "models/chart/ChartSheet.h"
#include "ui/chart/ChartExport.h"
#include "ui/chart/ChartView.h"
#include "ui/common/Guarded.h"
#include "ui/common/QtText.h"
#include "ui/common/Twips.h"
#include "ui/common/WidgetBuilders.h"
#include "ui/main/Preferences.h"

#include <QAction>
#include <QDate>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

using ui::placed;
using ui::toQt;

namespace {

QString footer()
{
    return ui::printedOn(QDate::currentDate());
}

} // namespace

// Right of 八字排盘, so the rows above keep their places; the view takes the text box's place when chosen.
void Form1::buildPicture(QWidget* client)
{
    CommandPicture =
        placed(new QPushButton(QStringLiteral("图表"), client), "CommandPicture", ui::twipsRect(9720, 720, 1095, 375));
    CommandPicture->setCheckable(true);
    CommandPicture->setToolTip(QStringLiteral("在命盘文本与图表之间切换"));
    ChartPicture = placed(new ui::ChartView(client), "ChartPicture", ui::twipsRect(3000, 1200, 7815, 3375));
    ChartPicture->hide();
    CommandPicture->setChecked(ui::drawnViewChosen()); // before the handler: nothing to show or save yet
    ChartPicture->setVisible(CommandPicture->isChecked());
    TexCont->setVisible(!CommandPicture->isChecked());
    connect(CommandPicture, &QPushButton::toggled, this, [this](bool drawn) { CommandPicture_Click(drawn); });
}

void Form1::buildPictureMenus()
{
    mPrint = new QAction(QStringLiteral("打印…"), this);
    mPreview = new QAction(QStringLiteral("打印预览…"), this);
    mPdf = new QAction(QStringLiteral("导出PDF…"), this);
    mPng = new QAction(QStringLiteral("导出图片…"), this);
    mPrint->setObjectName(QStringLiteral("mPrint"));
    mPreview->setObjectName(QStringLiteral("mPreview"));
    mPdf->setObjectName(QStringLiteral("mPdf"));
    mPng->setObjectName(QStringLiteral("mPng"));
    mPrint->setShortcut(QKeySequence::Print);
    menuFile->insertActions(mGe2, {menuFile->insertSeparator(mGe2), mPrint, mPreview, mPdf, mPng});
    connect(mPrint, &QAction::triggered, this, ui::guarded(this, &Form1::mPrint_Click));
    connect(mPreview, &QAction::triggered, this, ui::guarded(this, &Form1::mPreview_Click));
    connect(mPdf, &QAction::triggered, this, ui::guarded(this, &Form1::mPdf_Click));
    connect(mPng, &QAction::triggered, this, ui::guarded(this, &Form1::mPng_Click));
}

// The drawn chart follows the chart text: a new chart, a record shown; none for a record without its birth.
void Form1::showSheet(const models::Chart* chart)
{
    ChartPicture->setSheet(chart ? std::optional(models::chartSheet(*chart)) : std::nullopt);
}

void Form1::CommandPicture_Click(bool drawn)
{
    ui::saveDrawnView(drawn);
    ChartPicture->setGeometry(TexCont->geometry());
    ChartPicture->setVisible(drawn);
    TexCont->setVisible(!drawn);
}

bool Form1::haveSheet()
{
    if (ChartPicture->sheet())
        return true;
    warn(QStringLiteral("请先八字排盘"));
    return false;
}

void Form1::mPrint_Click()
{
    if (!haveSheet())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    ui::printChart(printer, *ChartPicture->sheet(), footer());
    tellStatus(QStringLiteral("已打印：") + toQt(ChartPicture->sheet()->name));
}

void Form1::mPreview_Click()
{
    if (!haveSheet())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    const models::ChartSheet sheet = *ChartPicture->sheet();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&sheet](QPrinter* shown) { ui::printChart(*shown, sheet, footer()); });
    preview.exec();
}

void Form1::mPdf_Click()
{
    exportPicture({QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf")}, ui::writeChartPdf);
}

void Form1::mPng_Click()
{
    exportPicture({QStringLiteral("PNG (*.png)"), QStringLiteral("png")}, ui::writeChartPng);
}

// Asks for the file, proposing "<name>.<suffix>" in the last folder used, and writes the drawn chart there.
void Form1::exportPicture(const FileKind& kind, PictureWriter write)
{
    if (!haveSheet())
        return;
    const models::ChartSheet sheet = *ChartPicture->sheet();
    const auto path = askFileName(true, toQt(sheet.name), kind);
    if (!path)
        return;
    if (const QString error = write(sheet, toQt(*path), footer()); !error.isEmpty())
        return warn(error);
    tellStatus(QStringLiteral("已导出：") + toQt(*path));
}
