// SPDX-License-Identifier: GPL-3.0-or-later
// The reference windows in English: no Chinese left, nothing clipped or
// overlapping, the English table pictures, and the way back to exactly the
// Chinese windows, switched while open. With SPULIX_SCREENSHOT_DIR set, the
// English windows are saved there (<object name>_en.png).
#include <QLineEdit>
#include <QtTest>

#include "tests/ui/language/english_check.h"
#include "ui/language/language.h"
#include "ui/reference/secondary_windows.h"

namespace spulix {
namespace {

// Switches and lets the open windows follow: Qt posts them the change.
bool Switch(Language language) {
  const bool applied = ApplyLanguage(language);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  return applied;
}

QImage Grab(QWidget* window) {
  return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Named controls reaching past the inside of their parent, where they would
// be cut off; read-only fields in Chinese.
QStringList MoreFaults(const QWidget& window) {
  QStringList faults;
  if (HasChinese(window.windowTitle()))
    faults << "title " + window.windowTitle();
  for (const QWidget* child : window.findChildren<QWidget*>()) {
    const QWidget* parent = child->parentWidget();
    if (!child->objectName().isEmpty() && !child->isHidden() &&
        !parent->contentsRect().contains(child->geometry())) {
      faults << child->objectName() + " is cut off";
    }
    auto* field = qobject_cast<const QLineEdit*>(child);
    if (field != nullptr && HasChinese(field->text())) {
      faults << child->objectName() + ": Chinese left: " + field->text();
    }
  }
  return faults;
}

}  // namespace

class ReferenceEnglishTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { Switch(Language::kChinese); }

  void englishWindow_data() { Rows(); }
  // Opened in English, or switched to English while open (or hidden, as
  // About's OK leaves it): the same window.
  void englishWindow() {
    QFETCH(int, which);
    QFETCH(QString, picture);
    SecondaryWindows opened_in_chinese, opened_in_english;
    QWidget* switched = opened_in_chinese.Open(SecondaryWindow(which));
    const Overlaps chinese = OverlapsOf(*switched);
    switched->hide();
    QVERIFY(Switch(Language::kEnglish));
    QWidget* window = opened_in_english.Open(SecondaryWindow(which));
    const QString shots = qEnvironmentVariable("SPULIX_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
      Grab(window).save(shots + '/' + window->objectName() + "_en.png");
    }
    const QStringList faults =
        EnglishFaults(*window, chinese) + MoreFaults(*window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    if (!picture.isEmpty()) {
      // The English table, unscaled from its top-left corner.
      const QImage table(picture);
      QVERIFY2(!table.isNull(), qPrintable(picture));
      QCOMPARE(Grab(window), table.convertToFormat(QImage::Format_RGB32)
                                 .copy(QRect(QPoint(0, 0), window->size())));
    }
    QCOMPARE(switched->windowTitle(), window->windowTitle());
    QCOMPARE(Grab(switched), Grab(window));
  }

  void backToChineseIsPixelForPixel_data() { Rows(); }
  void backToChineseIsPixelForPixel() {
    QFETCH(int, which);
    SecondaryWindows switching, fresh;
    QVERIFY(Switch(Language::kEnglish));
    QWidget* switched = switching.Open(SecondaryWindow(which));
    QVERIFY(Switch(Language::kChinese));
    QWidget* chinese = fresh.Open(SecondaryWindow(which));
    QCOMPARE(switched->windowTitle(), chinese->windowTitle());
    QCOMPARE(Grab(switched), Grab(chinese));
  }

 private:
  static void Rows() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("picture");  // the English table, if any
    const auto row = [](const char* name, SecondaryWindow which,
                        const char* picture) {
      QTest::newRow(name) << int(which) << QString::fromUtf8(picture);
    };
    row("about", SecondaryWindow::kAbout, "");
    row("efficiency", SecondaryWindow::kEfficiency,
        ":/tables/efficiency_en.png");
    row("coefficient", SecondaryWindow::kCoefficient,
        ":/tables/coefficient_en.png");
    row("flux density", SecondaryWindow::kFluxDensity,
        ":/tables/flux_density_en.png");
    row("stacking", SecondaryWindow::kStacking, ":/tables/stacking_en.png");
    row("help", SecondaryWindow::kHelp, "");
  }
};

}  // namespace spulix

QTEST_MAIN(spulix::ReferenceEnglishTest)
#include "reference_english_test.moc"
