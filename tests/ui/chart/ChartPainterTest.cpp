#include "ui/chart/ChartPainter.h"

#include "tests/models/chart/WorkedSheet.h"
#include "ui/chart/ChartExport.h"
#include "ui/common/QtText.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using engine::Element;

// 1984-03-02 16:25, male: 甲子 丙寅 乙未 甲申, stems of wood, fire, wood, wood.
const models::ChartRequest& kWorked = worked::kForwardRequest;
// 1990-05-12 08:30: 庚午 辛巳 丁丑 甲辰, stems of metal, metal, fire, wood.
const models::ChartRequest kMetal = worked::listed("李四", false, false, "1990", "05", "12", "08", "30", "竖排", false);

models::ChartSheet sheetOf(const models::ChartRequest& request)
{
    return worked::sheetOn(request);
}

// Pixels of the cell close to the colour: the character and the tile's border are drawn in it.
int pixelsOf(const QImage& image, const QRectF& cell, const QColor& colour)
{
    int near = 0;
    const QRect area = cell.toAlignedRect().intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                          std::abs(c.blue() - colour.blue());
            near += d < 40;
        }
    }
    return near;
}

// A tall target stacks the parts, a wide one sets them in two columns; in both the four stems carry their colours.
TEST(ChartPainter, StemsCarryTheirElementColours)
{
    struct Case
    {
        const char* why;
        models::ChartRequest request;
        std::array<Element, 4> stems;
        QSize size;
    };
    const Case cases[] = {
        {"page-shaped, with stars",
         kWorked,
         {Element::wood, Element::fire, Element::wood, Element::wood},
         {1200, 1700}},
        {"screen-shaped, with stars",
         kWorked,
         {Element::wood, Element::fire, Element::wood, Element::wood},
         {1140, 480}},
        {"page-shaped, metal", kMetal, {Element::metal, Element::metal, Element::fire, Element::wood}, {1200, 1700}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const models::ChartSheet sheet = sheetOf(c.request);
        const ui::ChartPainter painter(sheet);
        QImage image(c.size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        const QRectF target(QPointF(0, 0), c.size);
        painter.paint(p, target);
        p.end();
        const auto cells = painter.stemCells(target);
        for (std::size_t i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(target.contains(cells[i]));
            const int own = pixelsOf(image, cells[i], ui::elementColour(c.stems[i]));
            EXPECT_GT(own, cells[i].width() * cells[i].height() / 40); // far more than anti-aliasing strays
            for (int e = 0; e < 5; ++e) {                              // and next to none of another element's colour
                if (static_cast<Element>(e) != c.stems[i]) {
                    EXPECT_LT(pixelsOf(image, cells[i], ui::elementColour(static_cast<Element>(e))), own / 10);
                }
            }
        }
    }
}

// The text of a PDF as poppler reads it, compatibility forms folded: CJK fonts map some ideographs to the
// look-alike Kangxi radicals, which is the same character to a reader.
QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

TEST(ChartExport, PdfIsOnePageWithTheNameAndTheEightCharacters)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("张三.pdf"));
    ASSERT_EQ(ui::writeChartPdf(sheetOf(kWorked), path, ui::printedOn(QDate(2026, 12, 8))), QString());
    const QString text = pdfText(path);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
    for (const char* expected : {"张三", "甲", "子", "丙", "寅", "乙", "未", "申", "打印日期:2026-12-08"})
        EXPECT_TRUE(text.contains(ui::toQt(expected).normalized(QString::NormalizationForm_KC))) << expected;
}

TEST(ChartExport, PngIsAnA4Page)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.png"));
    ASSERT_EQ(ui::writeChartPng(sheetOf(kMetal), path, ui::printedOn(QDate(2026, 12, 8))), QString());
    const QImage image(path);
    EXPECT_EQ(image.size(), QSize(1200, 1697));
}

TEST(ChartExport, AnUnwritablePathIsReported)
{
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/chart"));
    const models::ChartSheet sheet = sheetOf(kWorked);
    EXPECT_TRUE(ui::writeChartPdf(sheet, path + QStringLiteral(".pdf"), {}).startsWith(QStringLiteral("无法写入文件")));
    EXPECT_TRUE(ui::writeChartPng(sheet, path + QStringLiteral(".png"), {}).startsWith(QStringLiteral("无法写入文件")));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".pdf")));
}

// The desktop program with --export: no window, a file, and the tool's own messages for a birth it refuses.
TEST(ChartExport, FromTheCommandLine)
{
    struct Case
    {
        const char* why;
        const char* file;
        QStringList birth;
        int exit;
        const char* written; // a good export: the file's first bytes, and nothing in standard error
        const char* message; // a refusal: what standard error says
    };
    const QStringList good = {"--name", "张三", "--sex", "男", "--date", "1984-03-02", "--time", "16:25", "--stars"};
    const Case cases[] = {
        {"a PDF", "a.pdf", good, 0, "%PDF-", ""},
        {"a PNG, upper-case suffix", "a.PNG", good, 0, "\x89PNG", ""},
        {"a lunar leap-month birth",
         "b.png",
         {"--name", "王五", "--sex", "女", "--date", "2023-02-15", "--lunar", "--leap", "--time", "23:40"},
         0,
         "\x89PNG",
         ""},
        {"a date out of range",
         "c.pdf",
         {"--name", "张三", "--sex", "男", "--date", "2100-01-01", "--time", "08:00"},
         2,
         "",
         "not a date"},
        {"no sex", "d.pdf", {"--name", "张三", "--date", "1984-03-02", "--time", "08:00"}, 2, "", "--sex"},
        {"an unknown option", "e.pdf", good + QStringList{"--colour"}, 2, "", "--colour"},
        {"neither PDF nor PNG", "f.txt", good, 2, "", ".pdf or a .png"},
    };
    const QTemporaryDir dir;
    // Qt warns on standard error when the runtime directory is unset, which would hide a good export's silence.
    const QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const QString file = dir.filePath(QString::fromUtf8(c.file));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CHENGSHU_PATH), QStringList{QStringLiteral("--export"), file} + c.birth);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), c.exit);
        const QString errors = QString::fromUtf8(program.readAllStandardError());
        if (c.exit == 0) {
            EXPECT_EQ(errors.toStdString(), "");
            QFile written(file);
            ASSERT_TRUE(written.open(QIODevice::ReadOnly));
            EXPECT_TRUE(written.read(8).startsWith(QByteArray(c.written))); // the format the suffix asks for
        } else {
            ASSERT_STRNE(c.message, "") << "a refusal row names the message it expects";
            EXPECT_TRUE(errors.contains(QString::fromUtf8(c.message))) << errors.toStdString();
            EXPECT_FALSE(QFile::exists(file));
        }
    }
}

TEST(ChartExport, VersionWithoutADisplay)
{
    QProcess program;
    program.start(QStringLiteral(CHENGSHU_PATH), {QStringLiteral("--version")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(program.readAllStandardOutput()),
              QStringLiteral("chengshu-bazi ") + QStringLiteral(EXPECTED_VERSION) + QLatin1Char('\n'));
}

} // namespace
