#pragma once

#include "engine/LandPP.h"
#include "engine/support/DateTime.h"
#include "models/chart/ChartComposer.h"
#include "store/RecordStore.h"
#include "models/records/RecordTree.h"

#include <QIcon>
#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

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
    void buildTextBoxes(QWidget* client);
    void buildMenus();
    void buildStatusBar();
    void connectHandlers();

    // Form1Records.cpp: the record tree and the record files.
    void buildTree();
    void buildTreeMenus();
    void connectTreeHandlers();
    void LoadTree();
    void showDataLocation();
    QTreeWidgetItem* treeItem(const models::TreeNode& node) const;
    QTreeWidgetItem* findItem(const std::string& key) const;
    const models::TreeNode* selectedNode() const;
    bool SaveRecord(const std::string& name);
    void ShowRecord(const std::string& group, const std::string& name);
    void TreeView1_MouseUp(Qt::MouseButton button, const QPoint& pos);
    void TreeView1_AfterLabelEdit(const std::string& key, const QString& oldText, const QString& newText);
    void editLabelLater(const std::string& key);
    std::optional<QString> askFileName(bool saving);
    void shuKan_Click();
    void shuDel_Click();
    void shuDao_Click();
    void shuRefresh_Click();
    void zuAdd_Click();
    void zuDel_Click();
    void zuDaoRu_Click();
    void zuMing_Click();

    void Form_Load();
    void Form_Resize();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();
    void mSave_Click();
    void mExit_Click();
    void mPing_Click();
    void mWNL_Click();
    void mNiBZ_Click();
    void mAbout_Click();
    void mHome_Click();
    void mPaiPan_Click();

    models::ChartRequest readRequest() const;
    void rebuildMonthsAndDays();
    void rebuildDays();
    void applyResizeFloor();
    void warn(const QString& text);

    LandPP m_landPP;
    models::ChartComposer m_composer;
    store::RecordStore m_store;
    models::RecordTree m_tree;

    QLabel* Label1 = nullptr;
    QLineEdit* TxtName = nullptr;
    std::array<QRadioButton*, 2> OptSex{};
    QLabel* Label2 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QComboBox* Combo4 = nullptr;
    QComboBox* Combo5 = nullptr;
    QComboBox* Combo6 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* ComboPai = nullptr;
    QCheckBox* CheckShen = nullptr;
    QPushButton* Command1 = nullptr;
    QPlainTextEdit* TexCont = nullptr;
    QLabel* LabelMark = nullptr;
    QPlainTextEdit* TextMark = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    std::array<QIcon, 3> ImageList1; // pictures 1 to 3: root and group, expanded node, record
    QStatusBar* StatusBar1 = nullptr;
    QLabel* Panel1 = nullptr;

    QMenu* menuFile = nullptr;
    QMenu* menuTool = nullptr;
    QMenu* menuWang = nullptr;
    QMenu* menuHelp = nullptr;
    QAction* mSave = nullptr;
    QAction* mGe2 = nullptr;
    QAction* mExit = nullptr;
    QAction* mPing = nullptr;
    QAction* mWNL = nullptr;
    QAction* mNiBZ = nullptr;
    QAction* mHome = nullptr;
    QAction* mPaiPan = nullptr;
    QAction* mAbout = nullptr;

    QMenu* menuRoot = nullptr;
    QMenu* menuZu = nullptr;
    QMenu* menuTree = nullptr;
    QAction* zuAdd = nullptr;
    QAction* zuDel = nullptr;
    QAction* zuDaoRu = nullptr;
    QAction* zuMing = nullptr;
    QAction* shuKan = nullptr;
    QAction* shuDel = nullptr;
    QAction* shuDao = nullptr;
    QAction* shuRefresh = nullptr;
};
