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

// 1984-03-05 16:00, male, with stars: 甲子 丙寅 戊戌 庚申, 38 minutes before 惊蛰, five relations.
const models::ChartRequest kNearTerm =
    worked::listed("张三", true, false, "1984", "03", "05", "16", "00", "竖排", true);

// The colours the painter gives the elements, as the legend shows them: 木 火 土 金 水.
const std::array<QColor, 5> kElementColours = {QColor(0x2e, 0x7d, 0x32), QColor(0xc6, 0x28, 0x28),
                                               QColor(0x9c, 0x64, 0x1c), QColor(0xc8, 0x9b, 0x00),
                                               QColor(0x15, 0x65, 0xc0)};
// The fill of the notices' box.
const QColor kNoticeFill(0xfd, 0xf0, 0xe0);

models::ChartSheet sheetOf(const models::ChartRequest& request)
{
    return worked::sheetOn(request);
}

// As the window and the export ask for it: with the analysis.
models::ChartSheet drawnSheetOf(models::ChartRequest request)
{
    request.drawn = true;
    return worked::sheetOn(request);
}

QImage painted(const models::ChartSheet& sheet, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    ui::ChartPainter(sheet).paint(p, QRectF(QPointF(0, 0), size));
    return image;
}

// Pixels of the cell close to the colour: the character and the tile's border are drawn in it.
int pixelsOf(const QImage& image, const QRectF& cell, const QColor& colour, int within = 40)
{
    int near = 0;
    const QRect area = cell.toAlignedRect().intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int d = std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                          std::abs(c.blue() - colour.blue());
            near += d < within;
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
        // the analysis adds lines and a box above the pillars: the stems move down with them
        {"page-shaped, with the analysis",
         kNearTerm,
         {Element::wood, Element::fire, Element::earth, Element::metal},
         {1200, 1700}},
        {"screen-shaped, with the analysis",
         kNearTerm,
         {Element::wood, Element::fire, Element::earth, Element::metal},
         {1350, 640}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const models::ChartSheet sheet =
            std::string(c.why).ends_with("analysis") ? drawnSheetOf(c.request) : sheetOf(c.request);
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

// The longest run of the colour along the middle of a bar's room: the bar's length in pixels.
int barLength(const QImage& image, const QRectF& room, const QColor& colour)
{
    const QRect area = room.toAlignedRect().intersected(image.rect());
    const int y = area.center().y();
    int longest = 0, run = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = image.pixelColor(x, y);
        const int d = std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                      std::abs(c.blue() - colour.blue());
        run = d < 60 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// A bar's length follows its count, in its element's colour: counted by hand from the pillars, a stem or branch
// each, then with each branch's hidden stems in its place.
TEST(ChartPainter, CountBarsFollowTheCountsInTheElementsColours)
{
    struct Case
    {
        const char* why;
        models::ChartRequest request;
        std::array<std::array<int, 5>, 2> counts; // 木 火 土 金 水: the eight characters, then with hidden stems
        QSize size;
    };
    const Case cases[] = {
        // 甲子 丙寅 戊戌 庚申; 子 癸, 寅 甲丙戊, 戌 戊辛丁, 申 庚壬戊
        {"every element present, on a page", kNearTerm, {{{2, 1, 2, 2, 1}, {2, 3, 4, 3, 2}}}, {1200, 1700}},
        {"every element present, on a screen", kNearTerm, {{{2, 1, 2, 2, 1}, {2, 3, 4, 3, 2}}}, {1350, 640}},
        // 庚午 辛巳 丁丑 甲辰: no water among the eight characters; 午 丁己, 巳 丙庚戊, 丑 己癸辛, 辰 戊乙癸
        {"water absent, then present", kMetal, {{{1, 3, 2, 2, 0}, {2, 3, 4, 4, 2}}}, {1200, 1700}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const models::ChartSheet sheet = drawnSheetOf(c.request);
        const QImage image = painted(sheet, c.size);
        const auto rooms = ui::ChartPainter(sheet).countRooms(QRectF(QPointF(0, 0), c.size));
        for (std::size_t row = 0; row < 2; ++row) {
            SCOPED_TRACE(row);
            std::array<int, 5> lengths{};
            for (std::size_t e = 0; e < 5; ++e) {
                lengths[e] = barLength(image, rooms[row][e], kElementColours[e]);
                for (std::size_t other = 0; other < 5; ++other) { // and no other element's colour in its place
                    if (other != e) {
                        EXPECT_LT(pixelsOf(image, rooms[row][e], kElementColours[other]), 8) << e << " " << other;
                    }
                }
            }
            const auto& counts = c.counts[row];
            for (std::size_t a = 0; a < 5; ++a) {
                EXPECT_EQ(lengths[a] == 0, counts[a] == 0) << a; // no count, no bar
                for (std::size_t b = 0; b < 5; ++b) {
                    if (counts[a] > counts[b]) {
                        EXPECT_GT(lengths[a], lengths[b] + 2) << a << " over " << b;
                    }
                    if (counts[a] == counts[b]) {
                        EXPECT_NEAR(lengths[a], lengths[b], 2) << a << " and " << b;
                    }
                }
            }
        }
    }
}

// The box under the header shows only when the sheet has something to warn of.
TEST(ChartPainter, NoticesBoxOnlyWithNotices)
{
    const models::ChartSheet withNotices = drawnSheetOf(kNearTerm);
    ASSERT_TRUE(withNotices.analysis && !withNotices.analysis->notices.empty());
    models::ChartSheet without = withNotices;
    without.analysis->notices.clear();
    for (const QSize size : {QSize(1200, 1700), QSize(1350, 640)}) {
        SCOPED_TRACE(size.width());
        const QRect whole(QPoint(0, 0), size);
        const int box = pixelsOf(painted(withNotices, size), whole, kNoticeFill, 7);
        EXPECT_GT(box, 4000); // a strip the width of a column
        EXPECT_LT(pixelsOf(painted(without, size), whole, kNoticeFill, 7), box / 50);
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
