#pragma once

#include "models/chart/ChartSheet.h"

#include <QDate>
#include <QImage>
#include <QString>

class QPrinter;

// The drawn chart as a page: printed, or written as PDF or PNG. Each draws through ChartPainter::paintPage.
namespace ui {

// The footer's date: "打印日期：2026-12-08".
QString printedOn(const QDate& day);

// An A4 portrait page of `width` pixels.
QImage chartPageImage(const models::ChartSheet& sheet, int width, const QString& footer);

// Each returns the reason it failed, or an empty text.
QString writeChartPng(const models::ChartSheet& sheet, const QString& path, const QString& footer);
QString writeChartPdf(const models::ChartSheet& sheet, const QString& path, const QString& footer);

// One A4 page on the printer as it is set up (a print dialog's or a preview's printer).
void printChart(QPrinter& printer, const models::ChartSheet& sheet, const QString& footer);

} // namespace ui
