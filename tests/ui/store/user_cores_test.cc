// SPDX-License-Identifier: GPL-3.0-or-later
// One owner of the user's cores per program: a change made through one
// owner reaches another owner of the same file (another running Spulix)
// through the file alone, and an owner moved to another file reads it.
#include "ui/store/user_cores.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace spulix {

class UserCoresTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(home_.isValid()); }

  void AChangeReachesTheOtherOwnerThroughTheFile() {
    UserCores mine(CoreFile());
    UserCores theirs(CoreFile());
    const std::size_t shipped = mine.catalogue().cores().size();
    QSignalSpy told(&theirs, &UserCores::Changed);

    const CoreFileChange done =
        mine.Change({CoreChange::Kind::kAdd, {}, {"EI-Own", "20", "10", "30"}});
    QVERIFY(done.error.isEmpty());
    QVERIFY(!done.refused);
    QCOMPARE(mine.catalogue().cores().size(), shipped + 1);

    QVERIFY(told.wait(5000));
    QVERIFY(theirs.catalogue().FindByName("EI-Own").has_value());
  }

  void ARefusedChangeLeavesTheCatalogueAsItWas() {
    UserCores cores(CoreFile());
    const std::string before = cores.catalogue().UserCsv();
    const CoreFileChange done = cores.Change(
        {CoreChange::Kind::kAdd, {}, {"EI-Bad", "twenty", "10", "30"}});
    QVERIFY(done.refused.has_value());
    QCOMPARE(cores.catalogue().UserCsv(), before);
  }

  void AnotherFileIsReadAtOnce() {
    {
      UserCores other(home_.filePath(QStringLiteral("other.csv")));
      other.Change(
          {CoreChange::Kind::kAdd, {}, {"EI-Other", "20", "10", "30"}});
    }
    UserCores cores(CoreFile());
    QSignalSpy told(&cores, &UserCores::Changed);
    QVERIFY(!cores.catalogue().FindByName("EI-Other"));
    cores.SetPath(home_.filePath(QStringLiteral("other.csv")));
    QCOMPARE(told.count(), 1);
    QVERIFY(cores.catalogue().FindByName("EI-Other").has_value());
  }

 private:
  QString CoreFile() const {
    return home_.filePath(QStringLiteral("cores.csv"));
  }

  QTemporaryDir home_;
};

}  // namespace spulix

QTEST_MAIN(spulix::UserCoresTest)
#include "user_cores_test.moc"
