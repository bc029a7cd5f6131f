#include "models/records/RecordTree.h"
#include "store/RecordStore.h"
#include "ui/common/QtText.h"
#include "ui/main/Form1.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

namespace {

constexpr int kGroups = 100;
constexpr int kRecordsPerGroup = 100;

// A program folder whose data directory holds 100 groups of 100 records each. Only the names are listed, so the
// files hold a byte each.
QString programFolder()
{
    static QTemporaryDir folder;
    static const bool filled = [] {
        for (int g = 0; g < kGroups; ++g) {
            const QString group = folder.path() + QStringLiteral("/data/组%1").arg(g);
            QDir().mkpath(group);
            for (int r = 0; r < kRecordsPerGroup; ++r) {
                QFile file(group + QStringLiteral("/姓名%1.txt").arg(r));
                if (file.open(QIODevice::WriteOnly))
                    file.write("x");
            }
        }
        return true;
    }();
    benchmark::DoNotOptimize(filled);
    return folder.path();
}

// The folders listed and the tree model built: what the window's refresh does before it draws.
void BM_RecordTreeLoad(benchmark::State& state)
{
    store::RecordStore store(ui::fromQt(programFolder()));
    models::RecordTree tree;
    for (auto _ : state) {
        tree.load(store.listGroups());
        benchmark::DoNotOptimize(tree.size());
    }
    state.counters["nodes"] = static_cast<double>(tree.size());
}
BENCHMARK(BM_RecordTreeLoad)->Unit(benchmark::kMillisecond);

// The whole refresh of the shown main window (shuRefresh): listing, tree, the view's reset, and the repaint.
void BM_LoadTree(benchmark::State& state)
{
    Form1 form(programFolder());
    form.show();
    QApplication::processEvents();
    QAction* refresh = form.findChild<QAction*>(QStringLiteral("shuRefresh"));
    const QAbstractItemModel* model = form.findChild<QTreeView*>(QStringLiteral("TreeView1"))->model();
    for (auto _ : state) {
        refresh->trigger();
        QApplication::processEvents();
    }
    const QModelIndex root = model->index(0, 0);
    int records = 0;
    for (int g = 0; g < model->rowCount(root); ++g)
        records += model->rowCount(model->index(g, 0, root));
    state.counters["records"] = records;
}
BENCHMARK(BM_LoadTree)->Unit(benchmark::kMillisecond);

// Every group opened and the view scrolled to the last record, then all closed again: the view lays out and draws
// rows from all 10,000 records, asking the tree model for each.
void BM_ExpandAll(benchmark::State& state)
{
    Form1 form(programFolder());
    form.show();
    QApplication::processEvents();
    auto* view = form.findChild<QTreeView*>(QStringLiteral("TreeView1"));
    for (auto _ : state) {
        view->expandAll();
        view->scrollToBottom();
        QApplication::processEvents();
        view->collapseAll();
        QApplication::processEvents();
    }
    view->expandAll();
    int rows = 0; // the root, the groups and the records, as the view walks them
    for (QModelIndex row = view->model()->index(0, 0); row.isValid(); row = view->indexBelow(row))
        ++rows;
    state.counters["rows"] = rows;
}
BENCHMARK(BM_ExpandAll)->Unit(benchmark::kMillisecond);

} // namespace
