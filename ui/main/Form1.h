#pragma once

#include "engine/LandPP.h"
#include "ui/main/ChartComposer.h"

#include <QMainWindow>

#include <array>
#include <functional>

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

// The main window: the chart request, the chart text and its remark, and the menus of the other windows.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildTextBoxes(QWidget* client);
    void buildMenus();
    void buildStatusBar();
    void connectHandlers();

    void Form_Load();
    void Form_Resize();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();
    void mSave_Click();
    void mExit_Click();
    void mPing_Click();
    void mAbout_Click();
    void mHome_Click();
    void mPaiPan_Click();

    models::ChartRequest readRequest() const;
    void rebuildMonthsAndDays();
    void rebuildDays();
    void applyResizeFloor();
    void warn(const QString& text);
    std::function<void()> guarded(void (Form1::*handler)());

    LandPP m_landPP;
    models::ChartComposer m_composer;

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
    QStatusBar* StatusBar1 = nullptr;

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
};
