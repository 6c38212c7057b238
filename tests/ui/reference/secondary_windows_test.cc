// SPDX-License-Identifier: GPL-3.0-or-later
// The secondary windows: at most one of each, where they open, what they
// show and how they go away.
#include "ui/reference/secondary_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include "ui/placement/center_on_screen.h"
#include "ui/reference/about_window.h"
#include "ui/reference/table_window.h"
#include "ui/widgets/fonts.h"

namespace spulix {
namespace {

QRect ScreenRect() { return QGuiApplication::primaryScreen()->geometry(); }

// Equal margins left and right, above and below (to the pixel: odd
// differences are rounded down).
bool Centred(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect screen = ScreenRect();
  const int left = frame.left() - screen.left();
  const int right = screen.right() - frame.right();
  const int top = frame.top() - screen.top();
  const int bottom = screen.bottom() - frame.bottom();
  return qAbs(left - right) <= 1 && qAbs(top - bottom) <= 1;
}

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// True when every character of the text has a glyph in the widget's font.
bool DrawsWithoutBoxes(const QWidget* widget, const QString& text) {
  const QFontMetrics metrics(widget->font());
  for (const QChar c : text) {
    if (!c.isSpace() && !metrics.inFont(c)) return false;
  }
  return true;
}

template <typename T>
T* Child(QWidget* window, const char* name) {
  return window->findChild<T*>(QString::fromUtf8(name));
}

}  // namespace

class SecondaryWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup();

  void opensAtMostOnce_data();
  void opensAtMostOnce();
  void closingDestroysAndNextOpeningCreatesAnew_data();
  void closingDestroysAndNextOpeningCreatesAnew();
  void deletingRegistryDeletesItsWindows();

  void tableWindowsLookRight_data();
  void tableWindowsLookRight();
  void tablePictureDrawnUnscaledAndCut_data();
  void tablePictureDrawnUnscaledAndCut();
  void efficiencyTableCentred();
  void efficiencyTableStaysWhereMovedUntilResized();
  void fixedTablesOpenAtFixedPlace_data();
  void fixedTablesOpenAtFixedPlace();

  void aboutWindowContents();
  void aboutWindowPictureBoxAndSeparators();
  void aboutWindowCentredOnLoadOnly();
  void aboutWindowEnlargingMovesNothing();

  void helpWindowContents();
  void helpWindowTextIsReadOnly();
};

void SecondaryWindowsTest::cleanup() {
  for (QWidget* widget : QApplication::topLevelWidgets()) widget->close();
  FlushDeletes();
}

void SecondaryWindowsTest::opensAtMostOnce_data() {
  QTest::addColumn<int>("which");
  QTest::addColumn<QString>("name");
  QTest::newRow("about") << int(SecondaryWindow::kAbout) << "Form2";
  QTest::newRow("efficiency") << int(SecondaryWindow::kEfficiency) << "Dialog";
  QTest::newRow("coefficient")
      << int(SecondaryWindow::kCoefficient) << "Dialog1";
  QTest::newRow("flux density")
      << int(SecondaryWindow::kFluxDensity) << "Dialog2";
  QTest::newRow("stacking") << int(SecondaryWindow::kStacking) << "Dialog3";
  QTest::newRow("help") << int(SecondaryWindow::kHelp) << "HELP";
}

void SecondaryWindowsTest::opensAtMostOnce() {
  QFETCH(int, which);
  QFETCH(QString, name);
  SecondaryWindows windows;
  const auto kind = static_cast<SecondaryWindow>(which);
  QVERIFY(windows.Find(kind) == nullptr);

  QWidget* first = windows.Open(kind);
  QVERIFY(first != nullptr);
  QCOMPARE(first->objectName(), name);
  QVERIFY(first->isVisible());
  QVERIFY(first->isWindow());
  QVERIFY(first->parentWidget() == nullptr);  // no owner
  QVERIFY(!first->isModal());
  QTRY_VERIFY(first->isActiveWindow());

  QWidget* second = windows.Open(kind);
  QCOMPARE(second, first);
  QCOMPARE(windows.Find(kind), first);
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name) ++count;
  }
  QCOMPARE(count, 1);

  // Minimised, it comes back in front when opened again.
  first->showMinimized();
  QVERIFY(first->isMinimized());
  QCOMPARE(windows.Open(kind), first);
  QVERIFY(!first->isMinimized());
  QVERIFY(first->isVisible());
  QTRY_VERIFY(first->isActiveWindow());
}

void SecondaryWindowsTest::closingDestroysAndNextOpeningCreatesAnew_data() {
  opensAtMostOnce_data();
}

void SecondaryWindowsTest::closingDestroysAndNextOpeningCreatesAnew() {
  QFETCH(int, which);
  const auto kind = static_cast<SecondaryWindow>(which);
  SecondaryWindows windows;
  QPointer<QWidget> first = windows.Open(kind);
  QVERIFY(first->close());  // the title bar's close button
  QVERIFY(windows.Find(kind) == nullptr);

  // Opened again before the old window is deleted: a new one all the same.
  QPointer<QWidget> second = windows.Open(kind);
  QVERIFY(second);
  QVERIFY(second != first);
  FlushDeletes();
  QVERIFY(first.isNull());
  QVERIFY(second);
  QVERIFY(second->isVisible());
  QCOMPARE(windows.Find(kind), second.data());
}

void SecondaryWindowsTest::deletingRegistryDeletesItsWindows() {
  auto* windows = new SecondaryWindows;
  QPointer<QWidget> about = windows->Open(SecondaryWindow::kAbout);
  QPointer<QWidget> table = windows->Open(SecondaryWindow::kStacking);
  delete windows;
  QVERIFY(about.isNull());
  QVERIFY(table.isNull());
}

void SecondaryWindowsTest::tableWindowsLookRight_data() {
  QTest::addColumn<int>("index");
  QTest::addColumn<int>("which");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QSize>("client");
  QTest::newRow("Dialog") << 0 << int(SecondaryWindow::kEfficiency) << "Dialog"
                          << "变压器效率表" << QSize(611, 87);
  QTest::newRow("Dialog1") << 1 << int(SecondaryWindow::kCoefficient)
                           << "Dialog1"
                           << "变压器功率系数表" << QSize(392, 169);
  QTest::newRow("Dialog2") << 2 << int(SecondaryWindow::kFluxDensity)
                           << "Dialog2"
                           << "对话框标题" << QSize(445, 208);
  QTest::newRow("Dialog3") << 3 << int(SecondaryWindow::kStacking) << "Dialog3"
                           << "对话框标题" << QSize(456, 175);
}

void SecondaryWindowsTest::tableWindowsLookRight() {
  QFETCH(int, index);
  QFETCH(int, which);
  QFETCH(QString, name);
  QFETCH(QString, title);
  QFETCH(QSize, client);
  SecondaryWindows windows;
  QWidget* window = windows.Open(static_cast<SecondaryWindow>(which));
  QCOMPARE(window->objectName(), name);
  QCOMPARE(QString::fromUtf8(TableInfo(index).object_name), name);
  QCOMPARE(window->windowTitle(), title);
  QCOMPARE(window->size(), client);
  // The user cannot resize it.
  QCOMPARE(window->minimumSize(), client);
  QCOMPARE(window->maximumSize(), client);
  const Qt::WindowFlags flags = window->windowFlags();
  // A tool window stays out of the task bar.
  QCOMPARE(window->windowType(), Qt::Tool);
  QVERIFY(flags & Qt::WindowTitleHint);
  QVERIFY(flags & Qt::WindowCloseButtonHint);
  QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
  QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
  QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
  QVERIFY(!window->windowIcon().isNull());
  QVERIFY(window->findChildren<QWidget*>().isEmpty());  // no controls
}

void SecondaryWindowsTest::tablePictureDrawnUnscaledAndCut_data() {
  QTest::addColumn<int>("which");
  QTest::addColumn<QString>("picture");
  QTest::addColumn<QSize>("picture_size");
  QTest::newRow("efficiency") << int(SecondaryWindow::kEfficiency)
                              << ":/tables/efficiency.png" << QSize(613, 87);
  QTest::newRow("coefficient") << int(SecondaryWindow::kCoefficient)
                               << ":/tables/coefficient.png" << QSize(394, 173);
  QTest::newRow("flux density")
      << int(SecondaryWindow::kFluxDensity) << ":/tables/flux_density.png"
      << QSize(448, 208);
  QTest::newRow("stacking") << int(SecondaryWindow::kStacking)
                            << ":/tables/stacking.png" << QSize(459, 180);
}

void SecondaryWindowsTest::tablePictureDrawnUnscaledAndCut() {
  QFETCH(int, which);
  QFETCH(QString, picture);
  QFETCH(QSize, picture_size);
  const QImage table = QImage(picture).convertToFormat(QImage::Format_RGB32);
  QCOMPARE(table.size(), picture_size);
  // The table's outer frame starts at 11, 11.
  QCOMPARE(table.pixelColor(11, 11), QColor(Qt::black));
  QCOMPARE(table.pixelColor(5, 5), QColor(Qt::white));

  SecondaryWindows windows;
  QWidget* window = windows.Open(static_cast<SecondaryWindow>(which));
  const QImage shown =
      window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QCOMPARE(shown.size(), window->size());
  QVERIFY(shown.width() <= picture_size.width());
  QVERIFY(shown.height() <= picture_size.height());
  // Pixel for pixel the top-left part of the picture.
  QCOMPARE(shown, table.copy(QRect(QPoint(0, 0), shown.size())));
}

void SecondaryWindowsTest::efficiencyTableCentred() {
  SecondaryWindows windows;
  QWidget* window = windows.Open(SecondaryWindow::kEfficiency);
  QVERIFY(Centred(window));

  // Centring finds its helper by type: a child that merely bears its name
  // is left alone, and the window is still centred.
  QWidget other;
  other.resize(200, 100);
  auto* impostor = new QObject(&other);
  impostor->setObjectName(QStringLiteral("spulix-centring"));
  other.show();
  CenterOnScreen(&other);
  QVERIFY(Centred(&other));
  QCOMPARE(impostor->objectName(), QStringLiteral("spulix-centring"));
}

void SecondaryWindowsTest::efficiencyTableStaysWhereMovedUntilResized() {
  SecondaryWindows windows;
  QWidget* window = windows.Open(SecondaryWindow::kEfficiency);
  const QPoint centred = window->pos();
  window->move(3, 4);
  QCoreApplication::processEvents();
  QCOMPARE(window->pos(), QPoint(3, 4));
  windows.Open(SecondaryWindow::kEfficiency);  // shown again: not moved
  QCOMPARE(window->pos(), QPoint(3, 4));
  QVERIFY(!Centred(window));

  // A change of size centres it again.
  window->setFixedSize(601, 80);
  QCoreApplication::processEvents();
  QVERIFY(Centred(window));

  // So does a new opening after closing.
  window->close();
  QWidget* reopened = windows.Open(SecondaryWindow::kEfficiency);
  QCOMPARE(reopened->pos(), centred);
}

void SecondaryWindowsTest::fixedTablesOpenAtFixedPlace_data() {
  QTest::addColumn<int>("which");
  QTest::newRow("Dialog1") << int(SecondaryWindow::kCoefficient);
  QTest::newRow("Dialog2") << int(SecondaryWindow::kFluxDensity);
  QTest::newRow("Dialog3") << int(SecondaryWindow::kStacking);
}

void SecondaryWindowsTest::fixedTablesOpenAtFixedPlace() {
  QFETCH(int, which);
  const auto kind = static_cast<SecondaryWindow>(which);
  const QPoint place = ScreenRect().topLeft() + QPoint(184, 250);
  SecondaryWindows windows;
  QWidget* window = windows.Open(kind);
  // The client area's corner, 2760 x 3750 twips.
  QCOMPARE(window->geometry().topLeft(), place);
  window->move(500, 20);
  QCOMPARE(windows.Open(kind)->pos(), QPoint(500, 20));
  window->close();
  QCOMPARE(windows.Open(kind)->geometry().topLeft(), place);
}

void SecondaryWindowsTest::aboutWindowContents() {
  SecondaryWindows windows;
  QWidget* about = windows.Open(SecondaryWindow::kAbout);
  QCOMPARE(about->windowTitle(), QStringLiteral("Spulix"));
  QCOMPARE(about->size(), QSize(311, 193));
  QVERIFY(!about->windowIcon().isNull());
  // An ordinary resizable window with a task bar entry.
  QCOMPARE(about->windowType(), Qt::Window);
  QVERIFY(about->maximumSize().width() > about->width());

  auto* scope = Child<QLabel>(about, "Label5");
  QVERIFY(scope != nullptr);
  QCOMPARE(scope->text(), QString::fromUtf8(kScopeText));
  QCOMPARE(scope->x(), 16);
  QVERIFY(qAbs(scope->geometry().center().y() - (88 + 6)) <= 1);

  auto* box = Child<QFrame>(about, "Picture1");
  QVERIFY(box != nullptr);
  QCOMPARE(box->geometry(), QRect(8, 8, 297, 73));
  // Three lines of product information in the picture box, one below the
  // separators; each fits the window and draws without boxes.
  for (const char* name : {"Label1", "Label4", "Label3"}) {
    auto* line = Child<QLabel>(box, name);
    QVERIFY2(line != nullptr, name);
    QVERIFY(!line->text().isEmpty());
    QCOMPARE(line->x(), 2 + 112);
    QVERIFY(line->geometry().right() < box->width());
    QVERIFY(DrawsWithoutBoxes(line, line->text()));
  }
  QVERIFY(Child<QLabel>(box, "Label1")->text().contains("Spulix"));
  QVERIFY(Child<QLabel>(box, "Label4")
              ->text()
              .contains(QRegularExpression("\\d+\\.\\d+")));
  auto* fourth = Child<QLabel>(about, "Label2");
  QVERIFY(fourth != nullptr && fourth->parentWidget() == about);
  QVERIFY(!fourth->text().isEmpty());
  QVERIFY(DrawsWithoutBoxes(fourth, fourth->text()));
  QVERIFY(DrawsWithoutBoxes(scope, scope->text()));
  QCOMPARE(QFontInfo(scope->font()).family(),
           QString::fromLatin1(kSongSubsetFamily));

  auto* ok = Child<QAbstractButton>(about, "Command1");
  QVERIFY(ok != nullptr);
  QCOMPARE(ok->text(), QStringLiteral("确定"));
  QCOMPARE(ok->geometry(), QRect(120, 152, 81, 33));
}

void SecondaryWindowsTest::aboutWindowPictureBoxAndSeparators() {
  SecondaryWindows windows;
  QWidget* about = windows.Open(SecondaryWindow::kAbout);
  const QImage shown =
      about->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage source(QStringLiteral(":/pictures/about.png"));
  QCOMPARE(source.size(), QSize(72, 72));
  // Where the picture is transparent the box's light blue shows through.
  QImage picture(source.size(), QImage::Format_RGB32);
  picture.fill(QColor(0xC0, 0xC0, 0xFF));
  QPainter(&picture).drawImage(0, 0, source);
  // The picture at the top-left of the box's client area (box at 8, 8 with
  // a 2-pixel border); the box is shorter than the picture, which is cut.
  QCOMPARE(shown.copy(10, 10, 72, 69), picture.copy(0, 0, 72, 69));
  // Light blue background right of the picture, left of the text lines.
  QCOMPARE(shown.pixelColor(100, 70), QColor(0xC0, 0xC0, 0xFF));
  // Both separators cross the window.
  for (int x : {0, 150, 310}) {
    QCOMPARE(shown.pixelColor(x, 104), QColor(0xE0, 0xE0, 0xE0));
    QCOMPARE(shown.pixelColor(x, 112), QColor(0x80, 0x80, 0x80));
  }
}

void SecondaryWindowsTest::aboutWindowCentredOnLoadOnly() {
  SecondaryWindows windows;
  QPointer<QWidget> about = windows.Open(SecondaryWindow::kAbout);
  QVERIFY(Centred(about));
  const QPoint centred = about->pos();

  // Moved, then "确定": hidden but kept; the next opening shows it where
  // it was moved to.
  about->move(20, 30);
  Child<QAbstractButton>(about, "Command1")->click();
  QVERIFY(about->isHidden());
  FlushDeletes();
  QVERIFY(about);
  QCOMPARE(windows.Open(SecondaryWindow::kAbout), about.data());
  QVERIFY(about->isVisible());
  QCOMPARE(about->pos(), QPoint(20, 30));

  // Closed by the title bar: gone, and the next opening centres anew.
  about->close();
  FlushDeletes();
  QVERIFY(about.isNull());
  QWidget* reopened = windows.Open(SecondaryWindow::kAbout);
  QCOMPARE(reopened->pos(), centred);
}

void SecondaryWindowsTest::aboutWindowEnlargingMovesNothing() {
  SecondaryWindows windows;
  QWidget* about = windows.Open(SecondaryWindow::kAbout);
  QList<QRect> before;
  const QList<QWidget*> children = about->findChildren<QWidget*>();
  for (QWidget* child : children) before << child->geometry();
  about->resize(600, 400);
  QCoreApplication::processEvents();
  QCOMPARE(about->size(), QSize(600, 400));
  for (int i = 0; i < children.size(); ++i) {
    QCOMPARE(children[i]->geometry(), before[i]);
  }
  // Right of the separators' ends only the background shows.
  const QImage shown = about->grab().toImage();
  QCOMPARE(shown.pixelColor(400, 104),
           about->palette().color(QPalette::Window));
}

void SecondaryWindowsTest::helpWindowContents() {
  SecondaryWindows windows;
  QWidget* help = windows.Open(SecondaryWindow::kHelp);
  QCOMPARE(help->windowTitle(), QStringLiteral("帮助文件"));
  QCOMPARE(help->size(), QSize(721, 373));
  QCOMPARE(help->windowType(), Qt::Window);
  const QImage icon = QImage(QStringLiteral(":/icons/help.png"));
  QVERIFY(!icon.isNull());
  QVERIFY(!help->windowIcon().isNull());

  auto* title = Child<QLabel>(help, "Label1");
  QVERIFY(title != nullptr);
  QCOMPARE(title->text(), QStringLiteral("关于Spulix"));
  QCOMPARE(title->pos(), QPoint(237, 28));
  QVERIFY(title->font().bold());
  QCOMPARE(QFontInfo(title->font()).family(),
           QString::fromLatin1(kHeiSubsetFamily));
  QVERIFY(DrawsWithoutBoxes(title, title->text()));

  auto* text = Child<QLineEdit>(help, "Text1");
  QVERIFY(text != nullptr);
  QCOMPARE(text->text(), QString::fromUtf8(kScopeText));
  QCOMPARE(text->geometry(), QRect(38, 75, 648, 264));
  QVERIFY(DrawsWithoutBoxes(text, text->text()));
}

void SecondaryWindowsTest::helpWindowTextIsReadOnly() {
  SecondaryWindows windows;
  QWidget* help = windows.Open(SecondaryWindow::kHelp);
  auto* text = Child<QLineEdit>(help, "Text1");
  text->setFocus();
  QTest::keyClicks(text, "abc");
  QTest::keyClick(text, Qt::Key_Backspace);
  QCOMPARE(text->text(), QString::fromUtf8(kScopeText));
}

}  // namespace spulix

QTEST_MAIN(spulix::SecondaryWindowsTest)
#include "secondary_windows_test.moc"
