// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the main window's image: page fitting, the printed file, and the
// printer message when no printer can be used.
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "design/memory_store.h"
#include "ui/output/window_printer.h"

namespace spulix {
namespace {

// A main window whose client area is green with a red square in its
// top-left quarter, below a menu bar.
std::unique_ptr<QMainWindow> PatternWindow() {
  auto window = std::make_unique<QMainWindow>();
  window->menuBar()->addMenu(QStringLiteral("文件"));
  auto* client = new QWidget;
  client->setAutoFillBackground(true);
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, Qt::green);
  client->setPalette(palette);
  auto* square = new QLabel(client);
  square->setAutoFillBackground(true);
  QPalette red = square->palette();
  red.setColor(QPalette::Window, Qt::red);
  square->setPalette(red);
  square->setGeometry(0, 0, 100, 75);
  window->setCentralWidget(client);
  window->resize(400, 330);
  return window;
}

int PdfPageCount(const QByteArray& pdf) {
  return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") +
             pdf.count("/Type /Page "));
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();

  void fitRectKeepsAspectRatio_data();
  void fitRectKeepsAspectRatio();
  void clientAreaLeavesMenuBarOut();
  void printsOnePage();
  void unopenablePrinterIsPrinterError();
  void emptyImageFailsSilently();
  void noDefaultPrinterShowsMessageOnce();
};

void PrintTest::initTestCase() {
  // No print system is reachable from this test.
  qputenv("CUPS_SERVER", "/nonexistent/spulix-test/cups.sock");
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
}

void PrintTest::fitRectKeepsAspectRatio_data() {
  QTest::addColumn<QSize>("image");
  QTest::addColumn<QRect>("area");
  QTest::addColumn<QRect>("expected");
  QTest::newRow("wide image, portrait page")
      << QSize(777, 539) << QRect(0, 0, 4800, 6000) << QRect(0, 0, 4800, 3329);
  QTest::newRow("tall image, wide area")
      << QSize(100, 200) << QRect(0, 0, 1000, 1000) << QRect(250, 0, 500, 1000);
  QTest::newRow("same ratio fills")
      << QSize(20, 10) << QRect(5, 7, 40, 20) << QRect(5, 7, 40, 20);
  QTest::newRow("enlarged")
      << QSize(3, 2) << QRect(0, 0, 300, 300) << QRect(0, 0, 300, 200);
  QTest::newRow("offset area centres")
      << QSize(10, 10) << QRect(100, 50, 200, 100) << QRect(150, 50, 100, 100);
  QTest::newRow("empty image")
      << QSize(0, 10) << QRect(0, 0, 100, 100) << QRect();
  QTest::newRow("empty area") << QSize(10, 10) << QRect() << QRect();
}

void PrintTest::fitRectKeepsAspectRatio() {
  QFETCH(QSize, image);
  QFETCH(QRect, area);
  QFETCH(QRect, expected);
  const QRect fitted = FitRect(image, area);
  QCOMPARE(fitted, expected);
  if (!fitted.isEmpty()) QVERIFY(area.contains(fitted));
}

void PrintTest::clientAreaLeavesMenuBarOut() {
  auto window = PatternWindow();
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  const QImage image = ClientAreaImage(window.get());
  QCOMPARE(image.size(), window->centralWidget()->size());
  QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
  QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1),
           QColor(Qt::green));

  // A plain widget with a menu bar of its own: the bar is cut off too.
  QWidget plain;
  plain.resize(200, 150);
  auto* bar = new QMenuBar(&plain);
  bar->addMenu(QStringLiteral("文件"));
  bar->setGeometry(0, 0, 200, 24);
  plain.show();
  QVERIFY(QTest::qWaitForWindowExposed(&plain));
  QCOMPARE(ClientAreaImage(&plain).size(), QSize(200, 126));
  QVERIFY(ClientAreaImage(nullptr).isNull());
}

void PrintTest::printsOnePage() {
  auto window = PatternWindow();
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  QTemporaryDir dir;
  const QString path = dir.filePath("page.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  QCOMPARE(PrintImage(ClientAreaImage(window.get()), printer),
           PrintResult::kPrinted);
  QFile pdf(path);
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  QCOMPARE(PdfPageCount(bytes), 1);
}

void PrintTest::unopenablePrinterIsPrinterError() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent/spulix-test/page.pdf");
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::green);
  QCOMPARE(PrintImage(image, printer), PrintResult::kPrinterError);
}

void PrintTest::emptyImageFailsSilently() {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("page.pdf"));
  QCOMPARE(PrintImage(QImage(), printer), PrintResult::kOtherFailure);
  QVERIFY(!QFile::exists(dir.filePath("page.pdf")));
}

void PrintTest::noDefaultPrinterShowsMessageOnce() {
  auto window = PatternWindow();
  window->show();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  MemoryStore store;
  store.SetText(Field::kInputVoltage, "220");
  const QSize size = window->size();
  QCOMPARE(PrintWindow(window.get(), store), PrintResult::kPrinterError);
  QCOMPARE(store.messages(),
           std::vector<std::string>{std::string(kPrinterMessage)});
  QCOMPARE(store.Text(Field::kInputVoltage), std::string("220"));
  QCOMPARE(window->size(), size);
  QVERIFY(window->isVisible());
}

}  // namespace spulix

QTEST_MAIN(spulix::PrintTest)
#include "print_test.moc"
