#include "ui/main/Form1.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <cstdio>

// The main window with a chart, filling the screen, for the screenshot in docs/. Prints "ready" once it is drawn
// and stays up until it is closed or killed.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Form1 form;
    form.findChild<QLineEdit*>(QStringLiteral("TxtName"))->setText(QStringLiteral("张三"));
    form.findChild<QComboBox*>(QStringLiteral("Combo2"))->setCurrentText(QStringLiteral("1990"));
    form.findChild<QComboBox*>(QStringLiteral("Combo3"))->setCurrentText(QStringLiteral("05"));
    form.findChild<QComboBox*>(QStringLiteral("Combo4"))->setCurrentText(QStringLiteral("12"));
    form.findChild<QComboBox*>(QStringLiteral("Combo5"))->setCurrentText(QStringLiteral("08"));
    form.findChild<QComboBox*>(QStringLiteral("Combo6"))->setCurrentText(QStringLiteral("30"));
    form.findChild<QCheckBox*>(QStringLiteral("CheckShen"))->setChecked(true);
    form.setGeometry(form.screen()->availableGeometry());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QTest::qWait(500);
    std::puts("ready");
    std::fflush(stdout);
    return QApplication::exec();
}
