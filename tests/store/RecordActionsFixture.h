#pragma once

#include "store/RecordActions.h"

#include "store/StoreText.h"
#include "tests/store/FileTesting.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

// The record actions' tests share one fixture: a program folder with its store, a tree and the actions on both.
namespace storetest {

using store::Effect;
using store::fromQt;
using store::Notice;
using store::Outcome;
using store::RecordActions;
using store::RecordDraft;

inline const std::string kChart = "姓名：张三       性别：女\r\n出生公历：1990-05-12 08:30:00    农历：农历庚午年\r\n";

// A program folder "prog" in a fresh temporary folder, its store, a tree loaded from it, and the actions on both.
// New keys end in 5.
class RecordActionsTest : public ::testing::Test
{
protected:
    QString data(const QString& rest = {}) const { return m_root.filePath(QStringLiteral("prog/data")) + rest; }

    // Lays out the data directory, then loads the tree from it as the window's start does.
    void start(const std::vector<QString>& files = {})
    {
        for (const QString& file : files)
            writeBytes(data(file), kChart.c_str());
        QDir().mkpath(data(QStringLiteral("/其他")));
        actions.load();
    }

    // The texts under a node, in the order shown.
    std::vector<std::string> children(const std::string& key) const
    {
        std::vector<std::string> texts;
        for (const auto& child : tree.find(key)->children)
            texts.push_back(tree.find(child)->text);
        return texts;
    }

    std::string groupKey(const char* name) const { return tree.group(name)->key; }
    std::string recordKey(const char* group, const char* name) const
    {
        for (const auto& child : tree.group(group)->children)
            if (tree.find(child)->text == name)
                return child;
        return "<none>";
    }

    QTemporaryDir m_root;
    store::RecordStore store{fromQt(m_root.filePath(QStringLiteral("prog"))),
                             fromQt(m_root.filePath(QStringLiteral("user")))};
    models::RecordTree tree;
    RecordActions actions{store, tree, [] { return 5; }};

    void SetUp() override { ASSERT_TRUE(QDir().mkpath(m_root.filePath(QStringLiteral("prog")))); }
};

inline void expectMessage(const Outcome& outcome, Effect effect, Notice notice, const std::string& message)
{
    EXPECT_EQ(outcome.effect, effect);
    EXPECT_EQ(outcome.notice, notice);
    EXPECT_EQ(outcome.message, message);
}

} // namespace storetest
