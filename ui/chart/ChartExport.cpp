#include "ui/chart/ChartExport.h"

#include "ui/chart/ChartPainter.h"
#include "ui/common/QtText.h"
#include "ui/common/Version.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

namespace ui {
namespace {

constexpr int kPdfResolution = 300;
constexpr int kPngWidth = 1200; // 1200 × 1697: A4 at about 145 dots an inch

QPageLayout a4WithoutMargins()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

QString cannotWrite(const QString& path)
{
    return QStringLiteral("无法写入文件：") + QFileInfo(path).absoluteFilePath();
}

} // namespace

QString printedOn(const QDate& day)
{
    return QStringLiteral("打印日期：") + day.toString(QStringLiteral("yyyy-MM-dd"));
}

QImage chartPageImage(const models::ChartSheet& sheet, int width, const QString& footer)
{
    const int height = static_cast<int>(std::lround(width * 297.0 / 210.0));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    ChartPainter(sheet).paintPage(painter, QRectF(0, 0, width, height), footer);
    return image;
}

QString writeChartPng(const models::ChartSheet& sheet, const QString& path, const QString& footer)
{
    if (!chartPageImage(sheet, kPngWidth, footer).save(path, "PNG"))
        return cannotWrite(path);
    return {};
}

QString writeChartPdf(const models::ChartSheet& sheet, const QString& path, const QString& footer)
{
    QPdfWriter writer(path);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(a4WithoutMargins());
    writer.setTitle(toQt(sheet.name) + QStringLiteral(" 八字命盘"));
    writer.setCreator(toQt(kProductName));
    QPainter painter;
    if (!painter.begin(&writer)) // an unwritable path: the writer's device does not open
        return cannotWrite(path);
    ChartPainter(sheet).paintPage(
        painter, QRectF(QPointF(0, 0), writer.pageLayout().fullRectPixels(kPdfResolution).size()), footer);
    if (!painter.end())
        return cannotWrite(path);
    return {};
}

void printChart(QPrinter& printer, const models::ChartSheet& sheet, const QString& footer)
{
    printer.setFullPage(true);
    printer.setPageLayout(a4WithoutMargins());
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    ChartPainter(sheet).paintPage(painter, QRectF(QPointF(0, 0), paper.size()), footer);
    painter.end();
}

} // namespace ui
