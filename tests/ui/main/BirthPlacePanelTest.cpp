#include "ui/main/Form1.h"

#include "models/records/RecordFile.h"
#include "tests/ui/main/Form1Fixture.h"
#include "ui/common/QtText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeView>

#include <gtest/gtest.h>

using uitest::child;

namespace {

class BirthPlacePanelTest : public uitest::Form1Fixture
{
protected:
    QLineEdit* line(const char* name, const Form1& window) const { return child<QLineEdit>(window, name); }
    QLineEdit* line(const char* name) const { return line(name, form); }
    QComboBox* comboOf(const char* name, const Form1& window) const { return child<QComboBox>(window, name); }
    QPlainTextEdit* chartBox() const { return child<QPlainTextEdit>(form, "TexCont"); }
    QLabel* hint() const { return child<QLabel>(form, "summerTimeHint"); }

    // Types into the place field as a person does, through the input method as Chinese is typed: the edit refills
    // the completion list.
    void typePlace(const QString& text) const
    {
        QLineEdit* edit = line("birthPlace");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QApplication::sendEvent(edit, &typed);
    }

    QStringList completions() const
    {
        QStringList rows;
        const QAbstractItemModel* model = line("birthPlace")->completer()->model();
        for (int i = 0; i < model->rowCount(); ++i)
            rows << model->index(i, 0).data().toString();
        return rows;
    }

    void pickCompletion(const QString& row) const
    {
        QMetaObject::invokeMethod(line("birthPlace")->completer(), "activated", Q_ARG(QString, row));
    }

    void birth(const char* name, const char* year, const char* month, const char* day, const char* hour,
               const char* minute) const
    {
        line("TxtName")->setText(ui::toQt(name));
        combo("Combo2")->setCurrentText(ui::toQt(year));
        combo("Combo3")->setCurrentText(ui::toQt(month));
        combo("Combo4")->setCurrentText(ui::toQt(day));
        combo("Combo5")->setCurrentText(ui::toQt(hour));
        combo("Combo6")->setCurrentText(ui::toQt(minute));
    }

    // Clicks the chart button; the chart text, as the window shows it.
    QString chart() const
    {
        EXPECT_TRUE(
            messagesOf([this] { QTest::mouseClick(child<QPushButton>(form, "Command1"), Qt::LeftButton); }).empty());
        return chartBox()->toPlainText();
    }

    // Kashgar, true solar time, astronomical terms, the day changing at 23:00, 横排 with stars.
    void chooseKashgarOptions() const
    {
        typePlace(QStringLiteral("喀什"));
        combo("solarTime")->setCurrentText(QStringLiteral("真太阳时"));
        combo("termMethod")->setCurrentText(QStringLiteral("节气：天文计算"));
        combo("lateZi")->setCurrentText(QStringLiteral("晚子换日"));
        combo("ComboPai")->setEditText(QStringLiteral("横排"));
        child<QCheckBox>(form, "CheckShen")->setChecked(true);
    }

    void expectKashgarOptions(const Form1& window) const
    {
        EXPECT_EQ(line("birthPlace", window)->text(), QStringLiteral("喀什（新疆）"));
        EXPECT_EQ(comboOf("solarTime", window)->currentText(), QStringLiteral("真太阳时"));
        EXPECT_EQ(comboOf("termMethod", window)->currentText(), QStringLiteral("节气：天文计算"));
        EXPECT_EQ(comboOf("lateZi", window)->currentText(), QStringLiteral("晚子换日"));
        EXPECT_EQ(comboOf("ComboPai", window)->currentText(), QStringLiteral("横排"));
        EXPECT_TRUE(child<QCheckBox>(window, "CheckShen")->isChecked());
    }

    // The default choices, as a first start shows them.
    void chooseDefaults() const
    {
        typePlace(QString());
        combo("solarTime")->setCurrentIndex(0);
        combo("termMethod")->setCurrentIndex(0);
        combo("lateZi")->setCurrentIndex(0);
        combo("ComboPai")->setEditText(QStringLiteral("竖排"));
        child<QCheckBox>(form, "CheckShen")->setChecked(false);
    }

    void save() const
    {
        EXPECT_EQ(messagesOf([this] { child<QAction>(form, "mSave")->trigger(); }).size(), 1u); // 数据保存完毕
    }

    // Clicks the record of that name in the group 其他, after rebuilding the tree.
    void open(const QString& name) const
    {
        messagesOf([this] { child<QAction>(form, "shuRefresh")->trigger(); });
        auto* tree = child<QTreeView>(form, "TreeView1");
        const QAbstractItemModel* model = tree->model();
        const QModelIndex root = model->index(0, 0);
        for (int g = 0; g < model->rowCount(root); ++g) {
            const QModelIndex group = model->index(g, 0, root);
            if (group.data().toString() != QStringLiteral("其他"))
                continue;
            tree->expand(group);
            uitest::settle();
            for (int r = 0; r < model->rowCount(group); ++r) {
                const QModelIndex record = model->index(r, 0, group);
                if (record.data().toString() == name)
                    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(record).center());
            }
        }
    }

    QString recordFile(const QString& name) const { return programFolder.path() + "/data/其他/" + name + ".txt"; }
};

TEST_F(BirthPlacePanelTest, CompletionFindsAPlaceByEachSpelling)
{
    const char* kSpellings[] = {
        "乌鲁木齐", // its Chinese name
        "wulumuqi", // pinyin
        "wlmq",     // pinyin initials
        "Urumqi",   // English
    };
    for (const char* spelling : kSpellings) {
        SCOPED_TRACE(spelling);
        typePlace(ui::toQt(spelling));
        EXPECT_TRUE(completions().contains(QStringLiteral("乌鲁木齐（新疆）")))
            << completions().join(' ').toStdString();
    }
}

TEST_F(BirthPlacePanelTest, ChoosingAPlaceFillsLongitudeAndZone)
{
    EXPECT_EQ(combo("timeZone")->currentText(), QStringLiteral("UTC+8（固定）")); // the first start's zone
    typePlace(QStringLiteral("喀什"));
    EXPECT_FALSE(line("longitude")->text().isEmpty()); // a whole name chooses at once
    typePlace(QStringLiteral("wlmq"));
    EXPECT_TRUE(line("longitude")->text().isEmpty()); // initials alone choose nothing: no stale place
    EXPECT_EQ(combo("timeZone")->currentText(), QStringLiteral("UTC+8（固定）"));
    pickCompletion(QStringLiteral("乌鲁木齐（新疆）"));
    // Ürümqi lies at 87°37′E; Xinjiang keeps China's legal clock, Beijing time with its summers.
    EXPECT_TRUE(line("longitude")->text().startsWith(QStringLiteral("87.6")))
        << line("longitude")->text().toStdString();
    EXPECT_EQ(combo("timeZone")->currentText(), QStringLiteral("Asia/Shanghai"));
    // A village west of the city: its own longitude is charted.
    line("longitude")->setText(QStringLiteral("86.00"));
    birth("王五", "1990", "01", "15", "12", "00");
    combo("solarTime")->setCurrentText(QStringLiteral("平太阳时"));
    const QString text = chart();
    EXPECT_TRUE(text.contains(QStringLiteral("出生地：乌鲁木齐（新疆）\n经度：东经86.00°\n"))) << text.toStdString();
    // 86°E is 136 minutes of mean solar time behind the 120°E meridian: 12:00 is 09:44.
    EXPECT_TRUE(text.contains(QStringLiteral("平太阳时：1990-01-15 09:44:00"))) << text.toStdString();
}

TEST_F(BirthPlacePanelTest, AKashgarBirthAtTwentyPastMidnightOnTrueSolarTimeFallsOnThePreviousDaysHaiHour)
{
    // Kashgar (76°E) runs some 2h50m of true solar time behind Beijing time in January: 00:20 is about 21:30 of
    // the day before. The same pillars as a Beijing clock birth at 21:30 that day.
    birth("赵六", "1990", "01", "14", "21", "30");
    const QString beijing = chart();
    typePlace(QStringLiteral("喀什"));
    combo("solarTime")->setCurrentText(QStringLiteral("真太阳时"));
    birth("赵六", "1990", "01", "15", "00", "20");
    const QString kashgar = chart();
    EXPECT_TRUE(kashgar.contains(QStringLiteral("真太阳时：1990-01-14 21:"))) << kashgar.toStdString();
    const auto pillars = [](const QString& text) {
        const QStringList rows = text.split('\n');
        for (qsizetype at = 0; at + 1 < rows.size(); ++at)
            if (rows[at].startsWith(QStringLiteral("男命：")))
                return rows[at] + '\n' + rows[at + 1]; // stems, then branches
        return QString();
    };
    EXPECT_FALSE(pillars(kashgar).isEmpty());
    EXPECT_EQ(pillars(kashgar), pillars(beijing));
    EXPECT_TRUE(pillars(kashgar).trimmed().endsWith(QStringLiteral("亥")));
}

TEST_F(BirthPlacePanelTest, TheSummerTimeLineAppearsForChinasSummersOnTheFixedClock)
{
    birth("孙七", "1992", "07", "15", "12", "00");
    chart();
    EXPECT_TRUE(hint()->isHidden()); // 1992: no summer time any more
    birth("孙七", "1988", "07", "15", "12", "00");
    chart();
    ASSERT_FALSE(hint()->isHidden());
    EXPECT_FALSE(hint()->text().isEmpty());
    QTest::mouseClick(child<QPushButton>(form, "useChinaZone"), Qt::LeftButton);
    EXPECT_EQ(combo("timeZone")->currentText(), QStringLiteral("Asia/Shanghai"));
    EXPECT_TRUE(hint()->isHidden());
    EXPECT_TRUE(chart().contains(QStringLiteral("时区：Asia/Shanghai UTC+09:00 夏令时")));
}

TEST_F(BirthPlacePanelTest, PreferencesSurviveARestart)
{
    {
        const Form1 first{programFolder.path()}; // no settings yet: the window as it always started
        EXPECT_EQ(line("birthPlace", first)->text(), QString());
        EXPECT_EQ(comboOf("solarTime", first)->currentIndex(), 0);
        EXPECT_EQ(comboOf("ComboPai", first)->currentText(), QStringLiteral("竖排"));
        EXPECT_FALSE(child<QCheckBox>(first, "CheckShen")->isChecked());
    }
    chooseKashgarOptions();
    birth("周八", "1984", "03", "02", "16", "25");
    chart(); // a chart keeps its choices
    const Form1 again{programFolder.path()};
    expectKashgarOptions(again);
}

TEST_F(BirthPlacePanelTest, ARecordReopensWithItsOptionsWhateverThePreferences)
{
    chooseKashgarOptions();
    birth("吴九", "1990", "01", "15", "00", "20");
    const QString stored = chart();
    save();
    chooseDefaults();
    birth("郑十", "2000", "06", "01", "10", "00");
    chart(); // the preferences are now the defaults

    open(QStringLiteral("吴九"));
    expectKashgarOptions(form);
    EXPECT_EQ(chart(), stored);

    // The tool re-charts the saved file to the window's chart.
    QProcess bazi;
    bazi.start(QStringLiteral(BAZI_PATH), {QStringLiteral("record"), recordFile(QStringLiteral("吴九"))});
    ASSERT_TRUE(bazi.waitForFinished(30000));
    EXPECT_EQ(bazi.exitCode(), 0);
    const QString out = QString::fromUtf8(bazi.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("\nmatches: yes\n")));
    EXPECT_TRUE(out.endsWith(QStringLiteral("\n\n") + stored + QStringLiteral("\n"))) << out.toStdString();
}

TEST_F(BirthPlacePanelTest, AnOldRecordOpensAsBefore)
{
    // A record written before the options: the chart of the default choices, no header rows.
    birth("钱一", "1984", "03", "02", "16", "25");
    const QString old = chart();
    QDir().mkpath(programFolder.path() + QStringLiteral("/data/其他"));
    QFile file(recordFile(QStringLiteral("钱一")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(models::composeRecord(ui::fromQt(old), "")));
    file.close();
    chooseKashgarOptions();
    birth("别人", "1990", "01", "15", "00", "20");
    chart();

    open(QStringLiteral("钱一"));
    EXPECT_EQ(chartBox()->toPlainText(), old + QStringLiteral("\n")); // as stored, one empty line more
    EXPECT_EQ(line("birthPlace")->text(), QString());
    EXPECT_EQ(combo("timeZone")->currentText(), QStringLiteral("UTC+8（固定）"));
    EXPECT_EQ(combo("solarTime")->currentIndex(), 0);
    EXPECT_EQ(chart(), old);
}

} // namespace
