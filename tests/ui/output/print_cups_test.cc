// SPDX-License-Identifier: GPL-3.0-or-later
// Printing from the real main window to a real print system: a cups-pdf
// queue set up by scripts/print-test-env. Skipped unless SPULIX_PRINT_TEST=1.
#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

#include "design/field_reactions.h"
#include "ui/main_window/main_window.h"
#include "ui/output/window_printer.h"

namespace spulix {
namespace {

QSet<QString> PdfFiles(const QString& dir) {
  const QStringList names = QDir(dir).entryList({"*.pdf"}, QDir::Files);
  return QSet<QString>(names.begin(), names.end());
}

// Runs a tool; true when it succeeded. Its standard output goes to `out`.
bool Run(const QString& program, const QStringList& arguments,
         QByteArray* out = nullptr) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) ||
      process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    return false;
  }
  if (out != nullptr) *out = process.readAllStandardOutput();
  return true;
}

// The bounding box of everything that is not white.
QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(line[x]) < 245) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

// Mean absolute difference of the colour channels, 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
  double total = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      total += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
               qAbs(qBlue(p) - qBlue(q));
    }
  }
  return total / (3.0 * a.width() * a.height());
}

}  // namespace

// The real window with its commands, shown, collecting its messages.
struct SampleWindow {
  SampleWindow() {
    window.store().SetMessageSink(
        [this](std::string_view text) { messages.emplace_back(text); });
    window.show();
  }
  MainWindow window;
  std::vector<std::string> messages;
};

class PrintCupsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void printReachesQueueAsOnePageWithWindowImage();
  void noDefaultPrinterShowsMessageOnce();

 private:
  QString pdf_dir_;
  QByteArray printer_;
};

void PrintCupsTest::initTestCase() {
  if (qgetenv("SPULIX_PRINT_TEST") != "1") {
    QSKIP(
        "needs a real print queue: run with the variables printed by "
        "`scripts/print-test-env setup` (SPULIX_PRINT_TEST=1)");
  }
  pdf_dir_ = qEnvironmentVariable("SPULIX_PRINT_PDF_DIR");
  printer_ = qgetenv("PRINTER");
  QVERIFY2(!pdf_dir_.isEmpty(), "SPULIX_PRINT_PDF_DIR is not set");
  QVERIFY2(!printer_.isEmpty(), "PRINTER is not set");
}

void PrintCupsTest::printReachesQueueAsOnePageWithWindowImage() {
  qputenv("PRINTER", printer_);
  qputenv("LPDEST", printer_);
  SampleWindow sample;
  MainWindow& window = sample.window;
  std::vector<std::string>& messages = sample.messages;
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  Command9_Click(window.store());
  const QImage expected =
      ClientAreaImage(&window).convertToFormat(QImage::Format_RGB32);
  const QSet<QString> before = PdfFiles(pdf_dir_);

  window.findChild<QAbstractButton*>(QStringLiteral("Command4"))->click();
  QVERIFY(messages.empty());

  // The job goes through the queue and lands as a PDF file.
  QString arrived;
  QTRY_VERIFY_WITH_TIMEOUT(
      [&] {
        const QSet<QString> now = PdfFiles(pdf_dir_) - before;
        if (now.isEmpty()) return false;
        const QString path = QDir(pdf_dir_).filePath(*now.begin());
        // Complete once the PDF tools can read it.
        if (!Run("pdfinfo", {path})) return false;
        arrived = path;
        return true;
      }(),
      90000);
  QByteArray info;
  QVERIFY(Run("pdfinfo", {arrived}, &info));
  QVERIFY2(QRegularExpression("Pages:\\s+1\\n").match(info).hasMatch(),
           info.constData());

  // Rendered, the page holds the window image: same shape, same look.
  QTemporaryDir dir;
  const QString prefix = dir.filePath("page");
  QVERIFY(
      Run("pdftoppm", {"-r", "100", "-png", "-singlefile", arrived, prefix}));
  QImage page(prefix + ".png");
  QVERIFY(!page.isNull());
  page = page.convertToFormat(QImage::Format_RGB32);
  const QRect ink = InkBox(page);
  QVERIFY(ink.width() > page.width() / 2);  // scaled up to fill the width
  const double page_ratio = double(ink.width()) / ink.height();
  const double window_ratio = double(expected.width()) / expected.height();
  QVERIFY2(
      qAbs(page_ratio / window_ratio - 1.0) < 0.03,
      qPrintable(QStringLiteral("%1 vs %2").arg(page_ratio).arg(window_ratio)));
  const QImage printed = page.copy(ink);
  const QImage reference = expected.scaled(ink.size(), Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
  QVERIFY2(MeanDifference(printed, reference) < 20.0,
           qPrintable(QString::number(MeanDifference(printed, reference))));
  // SPULIX_PRINT_KEEP=1 leaves the PDF for a look.
  if (qgetenv("SPULIX_PRINT_KEEP") != "1") QFile::remove(arrived);
}

void PrintCupsTest::noDefaultPrinterShowsMessageOnce() {
  // The queue exists, but nothing makes it the default.
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
  QByteArray default_printer;
  Run("lpstat", {"-d"}, &default_printer);
  if (!default_printer.contains("no system default")) {
    qputenv("PRINTER", printer_);
    QSKIP("this machine has a default printer of its own");
  }
  SampleWindow sample;
  MainWindow& window = sample.window;
  std::vector<std::string>& messages = sample.messages;
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  Command9_Click(window.store());
  messages.clear();
  const QSet<QString> before = PdfFiles(pdf_dir_);
  const std::string p1 = window.store().Text(Field::kInputPower);

  window.findChild<QAbstractButton*>(QStringLiteral("Command4"))->click();

  QCOMPARE(messages, std::vector<std::string>{std::string(kPrinterMessage)});
  QCOMPARE(window.store().Text(Field::kInputPower), p1);
  QTest::qWait(2000);
  QCOMPARE(PdfFiles(pdf_dir_), before);
  qputenv("PRINTER", printer_);
  qputenv("LPDEST", printer_);
}

}  // namespace spulix

QTEST_MAIN(spulix::PrintCupsTest)
#include "print_cups_test.moc"
