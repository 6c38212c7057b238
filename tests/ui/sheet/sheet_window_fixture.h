// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window with its 绕制单 window, for the sheet window's
// tests: a private home for the user's cores, messages swallowed.
#ifndef SPULIX_TESTS_UI_SHEET_SHEET_WINDOW_FIXTURE_H_
#define SPULIX_TESTS_UI_SHEET_SHEET_WINDOW_FIXTURE_H_

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string_view>

#include "ui/main_window/main_window.h"
#include "ui/selection/selection_windows.h"
#include "ui/sheet/sheet_window.h"
#include "ui/store/qt_field_store.h"

namespace spulix::testing_support {

class SheetWindowFixture {
 protected:
  static void SetUpSuite() { QStandardPaths::setTestModeEnabled(true); }

  void SetUpWindow() {
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    main_ = std::make_unique<MainWindow>();
    main_->selection_windows().SetUserCoreFile(
        home_->filePath(QStringLiteral("cores.csv")));
    main_->store().SetMessageSink([](std::string_view) {});
    main_->show();
  }

  void TearDownWindow() {
    main_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  SheetWindow* OpenSheet() {
    main_->findChild<QAction*>(QStringLiteral("RZD"))->trigger();
    return main_->selection_windows().sheet();
  }

  void Type(QLineEdit* edit, const char* text) {
    edit->setFocus();
    QTest::keyClicks(edit, QString::fromUtf8(text));
  }

  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<MainWindow> main_;
};

}  // namespace spulix::testing_support

#endif  // SPULIX_TESTS_UI_SHEET_SHEET_WINDOW_FIXTURE_H_
