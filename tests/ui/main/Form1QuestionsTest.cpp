#include "ui/main/Form1.h"

#include "tests/ui/main/Form1RecordsFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

using uitest::child;
using uitest::Form1RecordsTest;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each destructive action asks first; No (the default) leaves every byte on disk as it was, Yes carries it out.
TEST_F(Form1RecordsTest, NothingIsDeletedOrReplacedWithoutYes)
{
    chartZhangSan();
    trigger("mSave");
    QDir().mkpath(data(QStringLiteral("/空组")));
    trigger("shuRefresh");
    const QString file = data(QStringLiteral("/其他/张三.txt"));
    ASSERT_FALSE(bytesOf(file).isEmpty());
    text("TextMark")->setPlainText(QStringLiteral("改过的备注"));

    const struct
    {
        const char* why;
        const char* action;
        const char* select; // group, or group/record
        const char* question;
        const char* gone; // what Yes removes; nothing when Yes replaces the file
    } kCases[] = {
        {"saving over a record", "mSave", "其他", "组“其他”中已有“张三”的记录，要替换它吗？", nullptr},
        {"deleting a record", "shuDel", "其他/张三", "要删除记录“张三”吗？", "/其他/张三.txt"},
        {"deleting an empty group", "zuDel", "空组", "要删除组“空组”吗？", "/空组"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const QStringList path = ui::toQt(c.select).split(QLatin1Char('/'));
        QModelIndex index = node(root(), path[0]);
        if (path.size() > 1)
            index = node(index, path[1]);
        ASSERT_TRUE(index.isValid());
        tree()->setCurrentIndex(index);
        const QByteArray before = bytesOf(file);

        auto seen = trigger(c.action, QMessageBox::No);
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].icon, QMessageBox::Question);
        EXPECT_EQ(seen[0].text, ui::toQt(c.question));
        EXPECT_TRUE(seen[0].defaultNo);
        EXPECT_EQ(bytesOf(file), before);
        if (c.gone) {
            EXPECT_TRUE(QFileInfo::exists(data(ui::toQt(c.gone))));
        }

        tree()->setCurrentIndex(index);
        seen = trigger(c.action, QMessageBox::Yes);
        ASSERT_GE(seen.size(), 1u);
        if (c.gone) {
            EXPECT_FALSE(QFileInfo::exists(data(ui::toQt(c.gone))));
        } else {
            EXPECT_NE(bytesOf(file), before);
        }
    }
}

} // namespace
