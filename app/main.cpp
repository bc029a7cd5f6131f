#include "app/ExportChart.h"
#include "ui/common/QtText.h"
#include "ui/common/Translations.h"
#include "ui/common/Version.h"
#include "ui/main/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// With CHENGSHU_MEASURE_STARTUP set, the program prints the time from main() to the main window's first show
// event and quits: the start-up measurement runs the real program, not a test double.
class StartupProbe : public QObject
{
public:
    explicit StartupProbe(const QElapsedTimer& clock) : m_clock(clock) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !m_seen) {
            m_seen = true;
            std::printf("startup_ms=%.1f\n", static_cast<double>(m_clock.nsecsElapsed()) / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
    bool m_seen = false;
};

// The words after the program's name as UTF-8: `words`, read from main()'s arguments before Qt took its own from them
// (the X11 plugin would take --name). Windows hands main() its words in the ANSI code page, which has no room for
// most Chinese names; there Qt's list, read from the UTF-16 command line, is used instead.
std::vector<std::string> programWords(std::vector<std::string> words)
{
#ifdef _WIN32
    words.clear();
    for (const QString& word : QCoreApplication::arguments().mid(1))
        words.push_back(ui::fromQt(word));
#endif
    return words;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.size() == 1 && words.front() == "--version") { // no display needed
        std::printf("chengshu-bazi %s\n", std::string(ui::productVersion()).c_str());
        return 0;
    }
    const bool exporting = app::asksForExport(words);
    if (exporting && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // no window, so no display is needed
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("chengshu-bazi"));
    QApplication::setApplicationVersion(ui::toQt(ui::productVersion()));
    QApplication::setDesktopFileName(QStringLiteral("chengshu-bazi"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/chengshu-bazi.png")));
    ui::installQtTranslations(ui::programLocale());
    if (exporting)
        return app::exportChart(programWords(words));

    Form1 window;
    StartupProbe probe(clock);
    if (qEnvironmentVariableIsSet("CHENGSHU_MEASURE_STARTUP"))
        window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
