// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: its menus and their items, by name.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <memory>
#include <utility>
#include <vector>

#include "ui/main_window/main_window.h"

namespace spulix {

class MainWindowMenusTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = std::make_unique<MainWindow>(); }
  void cleanup() { window_.reset(); }

  // Five menus of plain items, named for tests and accessibility; each item
  // is its command's action, so its caption is the command's.
  void menus() {
    const std::vector<std::pair<const char*, std::vector<const char*>>>
        expected = {{"WJ",
                     {"OpenDesign", "SaveDesign", "SaveDesignAs",
                      "ExportReport", "ExportDrawing", "DY", "tc"}},
                    {"CX", {"QK", "SX"}},
                    {"BJ", {"XLB", "XSB", "MDB", "JXXS"}},
                    {"XX", {"BZTX", "BZQBX", "RZD"}},
                    {"BZ", {"HELP", "ABORT", "Language"}}};
    const QList<QAction*> top = window_->menuBar()->actions();
    QCOMPARE(top.size(), qsizetype(expected.size()));
    for (std::size_t m = 0; m < expected.size(); ++m) {
      QMenu* menu = top[m]->menu();
      QVERIFY(menu);
      QCOMPARE(menu->objectName(), QString::fromLatin1(expected[m].first));
      QVERIFY(!menu->title().isEmpty());
      const QList<QAction*> items = menu->actions();
      QCOMPARE(items.size(), qsizetype(expected[m].second.size()));
      for (qsizetype i = 0; i < items.size(); ++i) {
        QAction* action = items[i];
        // The language submenu, named in both languages, holds one
        // checkable item for each.
        if (QMenu* sub = action->menu()) {
          QCOMPARE(sub->objectName(),
                   QString::fromLatin1(expected[m].second[std::size_t(i)]));
          QCOMPARE(sub->title(), QStringLiteral("语言 / Language"));
          QCOMPARE(sub->actions().size(), 2);
          continue;
        }
        QCOMPARE(action->objectName(),
                 QString::fromLatin1(expected[m].second[std::size_t(i)]));
        QVERIFY(!action->text().isEmpty());
        // Only opening and saving designs and exporting the report have
        // the usual key shortcuts.
        if (!action->objectName().contains(QLatin1String("Design")) &&
            action->objectName() != QLatin1String("ExportReport")) {
          QVERIFY(action->shortcut().isEmpty());
        }
        QVERIFY(!action->isSeparator());
        QVERIFY(!action->isCheckable());
        QVERIFY(action->isEnabled() && action->isVisible());
        QVERIFY(!action->text().contains(u'&'));
        // Menu items show text only, even where the action has an icon.
        QVERIFY(!action->isIconVisibleInMenu() || action->icon().isNull());
        QCOMPARE(window_->findChild<QAction*>(action->objectName()), action);
      }
    }
  }

 private:
  std::unique_ptr<MainWindow> window_;
};

}  // namespace spulix

QTEST_MAIN(spulix::MainWindowMenusTest)
#include "main_window_menus_test.moc"
