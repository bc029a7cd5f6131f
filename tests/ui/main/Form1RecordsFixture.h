#pragma once

#include "tests/ui/main/Form1Fixture.h"
#include "ui/common/QtText.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace uitest {

// The main window with helpers for its record tree and its data folder.
class Form1RecordsTest : public uitest::Form1Fixture
{
protected:
    QString data(const QString& rest = {}) const { return programFolder.path() + QStringLiteral("/data") + rest; }
    QTreeView* tree() const { return child<QTreeView>(form, "TreeView1"); }
    QAbstractItemModel* model() const { return tree()->model(); }
    QModelIndex root() const { return model()->index(0, 0); }
    QModelIndex firstChild(const QModelIndex& parent) const { return model()->index(0, 0, parent); }
    QPlainTextEdit* text(const char* name) const { return child<QPlainTextEdit>(form, name); }

    // Whether the node shows that picture of the window's resources (":/tree/group.png" and its like).
    static bool shows(const QModelIndex& index, const char* picture)
    {
        const auto image = [](const QIcon& icon) { return icon.pixmap(16).toImage(); };
        return image(index.data(Qt::DecorationRole).value<QIcon>()) == image(QIcon(ui::toQt(picture)));
    }

    // The child of that text; invalid when there is none.
    QModelIndex node(const QModelIndex& parent, const QString& name) const
    {
        for (int i = 0; parent.isValid() && i < model()->rowCount(parent); ++i)
            if (model()->index(i, 0, parent).data().toString() == name)
                return model()->index(i, 0, parent);
        return {};
    }

    QStringList childTexts(const QModelIndex& parent) const
    {
        QStringList texts;
        for (int i = 0; parent.isValid() && i < model()->rowCount(parent); ++i)
            texts << model()->index(i, 0, parent).data().toString();
        return texts;
    }

    // Runs an action, lets queued work (the end of a label edit) happen, and returns the message boxes shown.
    std::vector<SeenMessage> run(const std::function<void()>& action,
                                 QMessageBox::StandardButton answer = QMessageBox::No) const
    {
        return messagesOf(
            [&] {
                action();
                uitest::settle();
            },
            answer);
    }

    std::vector<SeenMessage> trigger(const char* action, QMessageBox::StandardButton answer = QMessageBox::No) const
    {
        return run([&] { child<QAction>(form, action)->trigger(); }, answer);
    }

    void click(const QModelIndex& index, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(tree()->viewport(), button, {}, tree()->visualRect(index).center());
    }

    QLineEdit* labelEditor() const { return tree()->viewport()->findChild<QLineEdit*>(); }

    // Types a name into the open label editor and confirms it.
    std::vector<SeenMessage> typeLabel(const QString& name) const
    {
        return run([&] {
            QLineEdit* editor = labelEditor();
            ASSERT_NE(editor, nullptr);
            editor->setText(name);
            QTest::keyClick(editor, Qt::Key_Return);
        });
    }

    // 张三, female, born 1990-05-12 08:30, charted, with a remark of two lines.
    void chartZhangSan() const
    {
        child<QLineEdit>(form, "TxtName")->setText(QStringLiteral("张三"));
        form.findChildren<QRadioButton*>(QStringLiteral("OptSex")).at(1)->setChecked(true);
        combo("Combo2")->setCurrentText(QStringLiteral("1990"));
        combo("Combo3")->setCurrentText(QStringLiteral("05"));
        combo("Combo4")->setCurrentText(QStringLiteral("12"));
        combo("Combo5")->setCurrentText(QStringLiteral("08"));
        combo("Combo6")->setCurrentText(QStringLiteral("30"));
        EXPECT_TRUE(run([this] { QTest::mouseClick(child<QPushButton>(form, "Command1"), Qt::LeftButton); }).empty());
        text("TextMark")->setPlainText(QStringLiteral("第一行\n第二行"));
    }
};

struct SeenDialog
{
    QString folder;
    QString file; // the name proposed
};

// Runs the menu item, notes where its file dialog opens and what it proposes, and answers with `answer` (a path)
// or cancels when that is empty.
inline SeenDialog fileDialogOf(QAction* item, const QString& answer)
{
    SeenDialog seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer.stop();
        seen = {QDir(dialog->directory()).absolutePath(), QFileInfo(dialog->selectedFiles().value(0)).fileName()};
        if (answer.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(answer);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides its own accept()
    });
    timer.start(5);
    uitest::closingModals([item] { item->trigger(); }); // the message after the dialog
    return seen;
}

} // namespace uitest
