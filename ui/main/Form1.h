#pragma once

#include "engine/support/DateTime.h"
#include "models/chart/Chart.h"
#include "models/chart/ChartSheet.h"
#include "models/records/RecordTree.h"
#include "store/RecordActions.h"
#include "store/RecordStore.h"
#include "ui/main/RecordTreeModel.h"

#include <QIcon>
#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTreeView;

namespace ui {
class BirthPlacePanel;
class ChartView;
} // namespace ui

// The main window: the chart request, the chart text and its remark, the record tree, and the menus of the other
// windows.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // Records are kept in "data" beside the program.
    explicit Form1(QWidget* parent = nullptr);
    // Records are kept in "data" inside `programFolder` (or the per-user fallback when that cannot be written).
    explicit Form1(const QString& programFolder, QWidget* parent = nullptr);

    // Sets the date controls to a Gregorian moment as a user's choices would, each list rebuild included: the
    // calendar kind 公历, the year by its text, month, day, hour and minute by list index. A year that the list
    // does not hold leaves the rest as it was.
    void setBirthMoment(const engine::LocalTime& t);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildNameRow(QWidget* client);
    void buildBirthRow(QWidget* client);
    void buildTextBoxes(QWidget* client);
    void connectHandlers();

    // Form1Menus.cpp: the menu bar, the status bar, and the windows and pages the menus open.
    void buildMenus();
    void buildStatusBar();
    void mExit_Click();
    void mPing_Click();
    void mWNL_Click();
    void mNiBZ_Click();
    void mAbout_Click();
    void mHome_Click();
    void mPaiPan_Click();

    // Form1Records.cpp: the record tree and the record files.
    void buildTree();
    void buildTreeMenus();
    void connectTreeHandlers();
    void LoadTree();
    void showOutcome(const store::Outcome& outcome);
    const models::TreeNode* selectedNode() const;
    std::string selectedKey() const; // empty when nothing is selected
    bool SaveRecord(const std::string& name);
    void ShowRecord(const std::string& group, const std::string& name);
    void TreeView1_Expand(const QModelIndex& index);
    void TreeView1_MouseUp(Qt::MouseButton button, const QPoint& pos);
    bool TreeView1_AfterLabelEdit(const std::string& key, const std::string& name);
    void editLabelLater(const std::string& key);
    // What a file dialog offers: its filter and the suffix a typed name gets.
    struct FileKind
    {
        QString filter;
        QString suffix;
    };
    std::optional<std::string> askFileName(bool saving, const QString& proposed = {},
                                           const FileKind& kind = {QStringLiteral("Text Files (*.txt)"),
                                                                   QStringLiteral("txt")});
    void shuKan_Click();
    void shuDel_Click();
    void shuDao_Click();
    void shuRefresh_Click();
    void zuAdd_Click();
    void zuDel_Click();
    void zuDaoRu_Click();
    void zuMing_Click();
    void mSave_Click();
    void popupTreeMenu(const QPoint& pos); // the pop-up of the selected node, at `pos` in the tree's viewport
    void tellStatus(const QString& text);  // for a few seconds; the status text returns after it

    // Form1Manners.cpp: keys, shortcuts, and the names a screen reader reads.
    void buildManners();
    bool TreeView1_KeyDown(const QKeyEvent& key);
    void clearForm();
    void fitChartRows();

    // Form1Picture.cpp: the drawn chart, printing and export.
    void buildPicture(QWidget* client);
    void buildPictureMenus();
    void showSheet(const models::Chart* chart);
    void CommandPicture_Click(bool drawn);
    bool haveSheet();
    void mPrint_Click();
    void mPreview_Click();
    void mPdf_Click();
    void mPng_Click();
    using PictureWriter = QString (*)(const models::ChartSheet&, const QString& path, const QString& footer);
    void exportPicture(const FileKind& kind, PictureWriter write);

    void Form_Load();
    void Form_Resize();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();

    // The request the controls show, or the refusal of a name left empty or of lists that show no birth.
    std::variant<models::ChartRequest, models::Refusal> readRequest() const;
    // Where a panel of that size opens beside the window without covering its inputs.
    QPoint besideWindow(QSize size) const;
    // The moment options, layout, stars and analysis a record or the preferences give.
    void restoreChoices(const models::ChartRequest& choices);
    void rebuildMonthsAndDays();
    void rebuildDays();
    void applyResizeFloor();
    void warn(const QString& text);

    store::RecordStore m_store;
    models::RecordTree m_tree;
    store::RecordActions m_actions{m_store, m_tree};
    std::unique_ptr<ui::RecordTreeModel> m_treeModel; // after the tree: it stops observing before the tree goes
    QString m_lastFolder;                             // of record export and import; empty: the documents folder

    QLabel* Label1 = nullptr;              // caption of the name box
    QLineEdit* TxtName = nullptr;          // name
    std::array<QRadioButton*, 2> OptSex{}; // sex: 男, 女
    QLabel* Label2 = nullptr;              // caption of the date row
    QComboBox* Combo1 = nullptr;           // calendar kind: 公历 or 农历
    QComboBox* Combo2 = nullptr;           // year list
    QComboBox* Combo3 = nullptr;           // month list
    QComboBox* Combo4 = nullptr;           // day list
    QComboBox* Combo5 = nullptr;           // hour list
    QComboBox* Combo6 = nullptr;           // minute list
    QLabel* Label3 = nullptr;              // "年" after the year
    QLabel* Label4 = nullptr;              // "月" after the month
    QLabel* Label5 = nullptr;              // "日" after the day
    QLabel* Label6 = nullptr;              // "时" after the hour
    QLabel* Label7 = nullptr;              // "分" after the minute
    QComboBox* ComboPai = nullptr;         // layout of the pillar rows: 竖排 or 横排
    QCheckBox* CheckShen = nullptr;        // symbolic stars on or off
    QCheckBox* CheckFen = nullptr;         // the analysis rows on or off
    QCheckBox* CheckShi = nullptr;         // 时辰不详: a chart of three pillars; the hour and minute lists rest
    QPushButton* Command1 = nullptr;       // make the chart
    QPushButton* CommandPlace = nullptr;   // open the birth place panel
    QPlainTextEdit* TexCont = nullptr;     // the chart text
    ui::ChartView* ChartPicture = nullptr; // the drawn chart, in the text's place when chosen
    QPushButton* CommandPicture = nullptr; // checked: the drawn chart; unchecked: the text
    QLabel* LabelMark = nullptr;           // caption of the remark box
    QPlainTextEdit* TextMark = nullptr;    // remark saved with the record
    QTreeView* TreeView1 = nullptr;        // groups and records
    std::array<QIcon, 3> ImageList1;       // tree pictures: root and group, expanded node, record
    QStatusBar* StatusBar1 = nullptr;      // status line
    QLabel* Panel1 = nullptr;              // status text, or where the records are kept

    ui::BirthPlacePanel* m_birthPlace = nullptr; // place, zone, solar time, terms, 子 convention

    QMenu* menuFile = nullptr;   // 文件
    QMenu* menuTool = nullptr;   // 辅助工具
    QMenu* menuWang = nullptr;   // 网站
    QMenu* menuHelp = nullptr;   // 帮助
    QAction* mSave = nullptr;    // save the record
    QAction* mPrint = nullptr;   // print the drawn chart
    QAction* mPreview = nullptr; // print preview
    QAction* mPdf = nullptr;     // export the drawn chart as PDF
    QAction* mPng = nullptr;     // export the drawn chart as PNG
    QAction* mGe2 = nullptr;     // separator
    QAction* mExit = nullptr;    // end the program
    QAction* mPing = nullptr;    // mean solar time window
    QAction* mWNL = nullptr;     // perpetual calendar window
    QAction* mNiBZ = nullptr;    // reverse lookup window
    QAction* mHome = nullptr;    // home page
    QAction* mPaiPan = nullptr;  // online chart page
    QAction* mAbout = nullptr;   // about box

    QMenu* menuRoot = nullptr;     // pop-up of the root
    QMenu* menuZu = nullptr;       // pop-up of a group
    QMenu* menuTree = nullptr;     // pop-up of a record
    QAction* zuAdd = nullptr;      // new group
    QAction* zuDel = nullptr;      // delete group
    QAction* zuDaoRu = nullptr;    // import a record file
    QAction* zuMing = nullptr;     // rename group
    QAction* shuKan = nullptr;     // show record
    QAction* shuDel = nullptr;     // delete record
    QAction* shuDao = nullptr;     // export record file
    QAction* shuRefresh = nullptr; // rebuild the tree
};
