// SPDX-License-Identifier: GPL-3.0-or-later
// Two Spulix windows on one core file: each one's change survives, the
// later change to a core wins, and an open window follows the file.
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QPointer>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ui/main_window/main_window.h"
#include "ui/selection/core_edit_dialog.h"
#include "ui/selection/core_table_model.h"
#include "ui/selection/core_window.h"
#include "ui/store/core_file_change.h"
#include "ui/store/user_cores.h"

namespace spulix {

class CoreFileSharingTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;
  std::unique_ptr<MainWindow> main_;
  QPointer<CoreWindow> first_;
  QPointer<CoreWindow> second_;
  QStringList messages_;

  QString CoreFile() const {
    return home_->filePath(QStringLiteral("cores.csv"));
  }

  CoreWindow* Open() {
    // Each window with an owner of the file of its own, as two running
    // programs have.
    auto* cores = new UserCores(CoreFile());
    auto* window =
        new CoreWindow(main_->store(), main_->sheet_choices(), *cores);
    cores->setParent(window);
    window->SetMessageSink([this](const QString& text) { messages_ << text; });
    window->SetConfirmation([](const QString&) { return true; });
    window->show();
    return window;
  }

  // The user's rows of the file, without the header.
  QByteArray Rows() const {
    QFile file(CoreFile());
    if (!file.open(QIODevice::ReadOnly)) return QByteArray();
    file.readLine();
    return file.readAll();
  }

  // Types the texts into the window's open editor and presses 确定;
  // returns what the editor complains of.
  static QString Enter(CoreWindow* window, const QStringList& texts) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto* dialog = window->findChild<CoreEditDialog*>();
    if (dialog == nullptr) return QStringLiteral("no editor");
    for (int i = 0; i < 4; ++i) dialog->field(i)->setText(texts[i]);
    dialog->accept();
    return dialog->error();
  }

  static void Select(CoreWindow* window, const char* name) {
    const auto row = window->catalogue().FindByName(name);
    QVERIFY(row.has_value());
    window->table()->setCurrentIndex(
        window->model()->index(static_cast<int>(*row), 0));
  }

  static QString Selected(CoreWindow* window) {
    return window->table()->currentIndex().siblingAtColumn(0).data().toString();
  }

  // The tongue width the window lists for the core, or "" without it.
  static QString TongueOf(CoreWindow* window, const char* name) {
    const auto row = window->catalogue().FindByName(name);
    if (!row) return QString();
    return window->model()
        ->index(static_cast<int>(*row), CoreTableModel::kA)
        .data()
        .toString();
  }

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    messages_.clear();
    main_ = std::make_unique<MainWindow>();
  }

  void cleanup() {
    delete first_;
    delete second_;
    main_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void bothChangesSurviveAndTheOtherWindowFollows() {
    first_ = Open();
    second_ = Open();
    first_->AddCore();
    QCOMPARE(Enter(first_, {"A-1", "40", "20", "60"}), QString());
    // At once, before the second window has seen the file change.
    second_->AddCore();
    QCOMPARE(Enter(second_, {"B-1", "50", "25", "75"}), QString());
    QCOMPARE(Rows(), QByteArray("A-1,40,20,60\nB-1,50,25,75\n"));
    QCOMPARE(TongueOf(second_, "A-1"), QStringLiteral("40"));

    QTRY_COMPARE(TongueOf(first_, "B-1"), QStringLiteral("50"));
    QCOMPARE(Selected(first_), QStringLiteral("A-1"));
    // A row removed above the selected one: the selection stays on its core.
    Select(first_, "B-1");
    Select(second_, "A-1");
    second_->RemoveSelected();
    QTRY_COMPARE(TongueOf(first_, "A-1"), QString());
    QCOMPARE(Selected(first_), QStringLiteral("B-1"));
    QVERIFY(messages_.isEmpty());

    // The saves replaced the file; a change written into it is seen too.
    QFile file(CoreFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("B-1,51,25,75\n");
    file.close();
    QTRY_COMPARE(TongueOf(first_, "B-1"), QStringLiteral("51"));
    QTRY_COMPARE(TongueOf(second_, "B-1"), QStringLiteral("51"));
  }

  void laterChangeWinsForItsCore() {
    QFile file(CoreFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Mine,10,5,15\n");
    file.close();
    first_ = Open();
    second_ = Open();

    // Modified in one window while the other removed it: it comes back.
    Select(first_, "Mine");
    first_->EditSelected();
    Select(second_, "Mine");
    second_->RemoveSelected();
    QTRY_COMPARE(TongueOf(first_, "Mine"), QString());
    QCOMPARE(Enter(first_, {"Mine", "11", "5", "15"}), QString());
    QCOMPARE(Rows(), QByteArray("Mine,11,5,15\n"));
    QTRY_COMPARE(TongueOf(second_, "Mine"), QStringLiteral("11"));

    // Modified in both: the later values stay.
    Select(first_, "Mine");
    Select(second_, "Mine");
    first_->EditSelected();
    second_->EditSelected();
    QCOMPARE(Enter(first_, {"Mine", "12", "5", "15"}), QString());
    QCOMPARE(Enter(second_, {"Mine", "13", "5", "15"}), QString());
    QCOMPARE(Rows(), QByteArray("Mine,13,5,15\n"));
    QTRY_COMPARE(TongueOf(first_, "Mine"), QStringLiteral("13"));

    QVERIFY(messages_.isEmpty());
  }

  // A lock the window cannot have is a failed save: nothing changes.
  void heldLockRefusesTheChange() {
    first_ = Open();
    QLockFile other(CoreLockPath(CoreFile()));
    QVERIFY(other.tryLock(0));
    first_->AddCore();
    QCOMPARE(Enter(first_, {"A-1", "40", "20", "60"}), QString());
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].startsWith(QStringLiteral("无法保存自定义铁心")));
    QVERIFY(messages_[0].contains(QStringLiteral("另一个 Spulix")));
    QCOMPARE(TongueOf(first_, "A-1"), QString());
    QVERIFY(!QFile::exists(CoreFile()));
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::CoreFileSharingTest)
#include "core_file_sharing_test.moc"
