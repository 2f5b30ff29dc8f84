// The window's dock panels on Qt: a desktop saved by name brings the panels
// back to their sides and tab groups, no panel is ever destroyed by a load,
// and bytes Qt cannot read change nothing. Also the toolbar tips, which show
// the commands' current keys.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QPointer>
#include <QToolBar>

#include "app/desktops.h"
#include "app/folderschemecatalogue.h"
#include "app/systopt.h"
#include "common/localfilesplatform.h"
#include "qt/mainwindow.h"
#include "qt/qtdocking.h"
#include "support/optionobject.h"
#include "support/registry.h"

static void InitDockingIcons() {
  Q_INIT_RESOURCE(icons);
}

namespace qs::qt {
namespace {

class DockingQtTest : public ::testing::Test, public qs::testing::LocalFilesPlatform {
 protected:
  DockingQtTest() {
    InitDockingIcons();
    OptionRegistry::Reset();
    OptionRegistry::SetStore(&store);
  }
  ~DockingQtTest() override { OptionRegistry::Reset(); }

  QDockWidget* AddPanel(MainWindow& window, const char* name, Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(QString::fromLatin1(name), &window);
    dock->setObjectName(QString::fromLatin1(name));
    dock->setWidget(new QLabel(QString::fromLatin1(name), dock));
    window.addDockWidget(area, dock);
    return dock;
  }

  SettingsStore store;
  TFolderSchemeCatalogue schemes{files, std::string(QUILLON_SOURCE_DIR) + "/syntaxschemes"};
  TSysOptions options;
};

TEST_F(DockingQtTest, ADesktopBringsThePanelsBackWithoutDestroyingAny) {
  MainWindow window(platform, schemes, options, {}, false);
  QPointer<QDockWidget> explorer = AddPanel(window, "Explorer", Qt::LeftDockWidgetArea);
  QPointer<QDockWidget> messages = AddPanel(window, "Messages", Qt::BottomDockWidgetArea);
  // A name an older arrangement scheme would have taken for a replaced host.
  QPointer<QDockWidget> tool = AddPanel(window, "Tool_old", Qt::BottomDockWidgetArea);
  window.show();
  QApplication::processEvents();
  window.Form().Desktops().SaveDesktop(U"Work");

  window.addDockWidget(Qt::RightDockWidgetArea, explorer);
  window.tabifyDockWidget(messages, tool);
  ASSERT_EQ(window.dockWidgetArea(explorer), Qt::RightDockWidgetArea);
  ASSERT_EQ(window.tabifiedDockWidgets(messages).size(), 1);

  TMenuItem& desktops = *window.Form().MenuNamed("DesktopsMenu");
  desktops.Popup();
  ASSERT_EQ(desktops.items.front().Caption(), U"Work");
  desktops.items.front().Click();
  QApplication::processEvents();
  ASSERT_TRUE(explorer && messages && tool);
  EXPECT_EQ(window.dockWidgetArea(explorer), Qt::LeftDockWidgetArea);
  EXPECT_EQ(window.dockWidgetArea(tool), Qt::BottomDockWidgetArea);
  EXPECT_TRUE(window.tabifiedDockWidgets(messages).isEmpty());
  EXPECT_TRUE(tool->isVisible());
}

TEST_F(DockingQtTest, BytesQtCannotReadChangeNothingAndTheDefaultIsTheFirstShowing) {
  MainWindow window(platform, schemes, options, {}, false);
  QPointer<QDockWidget> explorer = AddPanel(window, "Explorer", Qt::LeftDockWidgetArea);
  window.show();
  QApplication::processEvents();
  window.addDockWidget(Qt::RightDockWidgetArea, explorer);

  EXPECT_FALSE(window.Docking().ApplyLayout({'n', 'o', 't', ' ', 'Q', 't'}));
  EXPECT_EQ(window.dockWidgetArea(explorer), Qt::RightDockWidgetArea);
  EXPECT_TRUE(window.Docking().ApplyLayout(window.Docking().DefaultLayout()));
  EXPECT_EQ(window.dockWidgetArea(explorer), Qt::LeftDockWidgetArea);
}

TEST_F(DockingQtTest, ToolbarTipsShowTheCommandsCurrentKey) {
  MainWindow window(platform, schemes, options, {}, false);
  QAction* save = window.ToolBar().findChild<QAction*>(QStringLiteral("FileSaveAct"));
  if (save == nullptr)
    for (QAction* action : window.ToolBar().actions())
      if (action->objectName() == QStringLiteral("FileSaveAct")) save = action;
  ASSERT_NE(save, nullptr);
  EXPECT_EQ(save->toolTip(), QStringLiteral("Save (Ctrl+S)"));
  window.Form().Action("FileSaveAct").SetShortCut({'S', ssCtrl | ssAlt});
  EXPECT_EQ(save->toolTip(), QStringLiteral("Save (Ctrl+Alt+S)"));
  EXPECT_TRUE(save->text().endsWith(QStringLiteral("\tCtrl+Alt+S")));
}

}  // namespace
}  // namespace qs::qt
