#include "ui/main/Form1.h"

#include "ui/calendar/FormWNL.h"
#include "ui/lookup/FormNiBZ.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>

// The main window with a chart, filling the screen, for the screenshots in docs/; with "--true-solar-time" a birth
// in Kashgar on true solar time, its panel open. Prints "ready" once it is drawn and stays up until it is closed or
// killed. "--picture" shows the drawn chart in the text's place. "--calendar" and "--lookup" show those windows
// instead, with their astronomical-terms choice ticked.
namespace {

int showAuxiliary(const char* which)
{
    QWidget* window = nullptr;
    if (std::strcmp(which, "--calendar") == 0)
        window = new FormWNL;
    else
        window = new FormNiBZ([](const engine::LocalTime&) {});
    window->findChild<QCheckBox*>(QStringLiteral("CheckAstro"))->setChecked(true);
    window->move(20, 20);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    QTest::qWait(500);
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && (std::strcmp(argv[1], "--calendar") == 0 || std::strcmp(argv[1], "--lookup") == 0)) {
        QApplication app(argc, argv);
        return showAuxiliary(argv[1]);
    }
    const bool trueSolarTime = argc > 1 && std::strcmp(argv[1], "--true-solar-time") == 0;
    const bool picture = argc > 1 && std::strcmp(argv[1], "--picture") == 0;
    const QTemporaryDir settings; // the scene's choices never become the user's preferences
    qputenv("CHENGSHU_SETTINGS", (settings.path() + QStringLiteral("/settings.ini")).toLocal8Bit());
    QApplication app(argc, argv);
    Form1 form;
    form.findChild<QLineEdit*>(QStringLiteral("TxtName"))->setText(QStringLiteral("张三"));
    form.findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentText(QStringLiteral("1990"));
    form.findChild<QComboBox*>(QStringLiteral("Combo3"))->setCurrentText(QStringLiteral("05"));
    form.findChild<QComboBox*>(QStringLiteral("Combo4"))->setCurrentText(QStringLiteral("12"));
    form.findChild<QComboBox*>(QStringLiteral("Combo5"))->setCurrentText(QStringLiteral("08"));
    form.findChild<QComboBox*>(QStringLiteral("Combo6"))->setCurrentText(QStringLiteral("30"));
    form.findChild<QCheckBox*>(QStringLiteral("CheckShen"))->setChecked(!trueSolarTime);
    form.setGeometry(form.screen()->availableGeometry());
    form.show();
    if (trueSolarTime) {
        form.findChild<QComboBox*>(QStringLiteral("Combo3"))->setCurrentText(QStringLiteral("01"));
        form.findChild<QComboBox*>(QStringLiteral("Combo4"))->setCurrentText(QStringLiteral("15"));
        form.findChild<QComboBox*>(QStringLiteral("Combo5"))->setCurrentText(QStringLiteral("00"));
        form.findChild<QComboBox*>(QStringLiteral("Combo6"))->setCurrentText(QStringLiteral("20"));
        auto* place = form.findChild<QLineEdit*>(QStringLiteral("birthPlace"));
        QInputMethodEvent typed; // typed as Chinese is, through the input method
        typed.setCommitString(QStringLiteral("喀什"));
        QApplication::sendEvent(place, &typed);
        place->completer()->popup()->hide(); // the whole name chose the place
        form.findChild<QComboBox*>(QStringLiteral("solarTime"))->setCurrentText(QStringLiteral("真太阳时"));
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CommandPlace")), Qt::LeftButton);
        auto* panel = form.findChild<QWidget*>(QStringLiteral("BirthPlacePanel"));
        const QRect screen = form.screen()->availableGeometry();
        panel->move(screen.right() - panel->width() - 20, screen.bottom() - panel->height() - 20);
    }
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    if (picture) { // the whole drawn chart, without the summer-time panel that 1990 opens
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("CommandPicture")), Qt::LeftButton);
        form.findChild<QWidget*>(QStringLiteral("BirthPlacePanel"))->hide();
    }
    QTest::qWait(500);
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
