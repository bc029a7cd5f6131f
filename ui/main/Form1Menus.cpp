// Form1's menu bar, its status bar, and the menu items that open the other windows and the web pages.
#include "ui/main/Form1.h"

#include "ui/about/FormAbout.h"
#include "ui/calendar/FormWNL.h"
#include "ui/common/Links.h"
#include "ui/common/QtText.h"
#include "ui/common/Twips.h"
#include "ui/common/WidgetBuilders.h"
#include "ui/lookup/FormNiBZ.h"
#include "ui/solartime/FormPTY.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include <string>

using ui::menuItem;
using ui::named;
using ui::toQt;
using ui::twips;

namespace {

constexpr int kStatusHeight = 375; // twips

QMenu* menu(QMenuBar* bar, const char* name, const char* title)
{
    return named(bar->addMenu(toQt(title)), name);
}

} // namespace

void Form1::buildMenus()
{
    menuFile = menu(menuBar(), "menuFile", "文件(&F)");
    mSave = menuItem(menuFile, "mSave", "保存记录");
    mGe2 = named(menuFile->addSeparator(), "mGe2");
    mExit = menuItem(menuFile, "mExit", "退出系统");

    menuTool = menu(menuBar(), "menuTool", "辅助工具(&T)");
    mPing = menuItem(menuTool, "mPing", "平太阳时");
    mWNL = menuItem(menuTool, "mWNL", "万年历");
    mNiBZ = menuItem(menuTool, "mNiBZ", "八字回推");

    menuWang = menu(menuBar(), "menuWang", "网站(&W)");
    mHome = menuItem(menuWang, "mHome", "澄枢网");
    mPaiPan = menuItem(menuWang, "mPaiPan", "在线排盘");

    menuHelp = menu(menuBar(), "menuHelp", "帮助(&H)");
    mAbout = menuItem(menuHelp, "mAbout", "关于排盘");
}

void Form1::buildStatusBar()
{
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setFixedHeight(twips(kStatusHeight));
    Panel1 = named(new QLabel(QStringLiteral("状态信息"), StatusBar1), "Panel1");
    const std::string address = std::string(ui::links::kHomeName) + "（" + std::string(ui::links::kHome) + "）";
    auto* home = named(new QLabel(toQt(address), StatusBar1), "Panel2");
    StatusBar1->addWidget(Panel1, 1);
    StatusBar1->addWidget(home);
    setStatusBar(StatusBar1);
}

void Form1::mExit_Click()
{
    close();
}

void Form1::mPing_Click()
{
    FormPTY window(this);
    window.exec();
}

void Form1::mWNL_Click()
{
    FormWNL window(this);
    window.exec();
}

void Form1::mNiBZ_Click()
{
    FormNiBZ window([this](const engine::LocalTime& t) { setBirthMoment(t); }, this);
    window.exec();
}

void Form1::mAbout_Click()
{
    FormAbout window(this);
    window.exec();
}

void Form1::mHome_Click()
{
    ui::links::openPage(ui::links::kHome);
}

void Form1::mPaiPan_Click()
{
    ui::links::openPage(ui::links::kPaiPan);
}
