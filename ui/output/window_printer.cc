// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output/window_printer.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "design/field_store.h"

namespace spulix {

QRect FitRect(QSize image, const QRect& area) {
  if (image.isEmpty() || area.isEmpty()) return QRect();
  const QSize fitted = image.scaled(area.size(), Qt::KeepAspectRatio);
  const int left = area.left() + (area.width() - fitted.width()) / 2;
  return QRect(QPoint(left, area.top()), fitted);
}

QImage ClientAreaImage(QWidget* window) {
  if (window == nullptr) return QImage();
  if (auto* main_window = qobject_cast<QMainWindow*>(window);
      main_window != nullptr && main_window->centralWidget() != nullptr) {
    return main_window->centralWidget()->grab().toImage();
  }
  // A plain widget with a menu bar of its own: leave the bar out.
  QRect client = window->rect();
  if (auto* bar =
          window->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
      bar != nullptr && bar->isVisible() && bar->y() == 0) {
    client.setTop(bar->height());
  }
  return window->grab(client).toImage();
}

PrintResult PrintImage(const QImage& image, QPrinter& printer) {
  if (image.isNull()) return PrintResult::kOtherFailure;
  QPainter painter;
  if (!painter.begin(&printer)) return PrintResult::kPrinterError;
  const QRect page(
      QPoint(0, 0),
      printer.pageLayout().paintRectPixels(printer.resolution()).size());
  const QRect target = FitRect(image.size(), page);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, image);
  const bool ended = painter.end();
  if (!ended || printer.printerState() == QPrinter::Error) {
    return PrintResult::kOtherFailure;
  }
  return PrintResult::kPrinted;
}

PrintResult PrintWindow(QWidget* window, FieldStore& store) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  PrintResult result = PrintResult::kPrinterError;
  if (!info.isNull()) {
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Spulix"));
    printer.setFullPage(false);
    printer.setCopyCount(1);
    result = PrintImage(ClientAreaImage(window), printer);
  }
  if (result == PrintResult::kPrinterError) store.ShowMessage(kPrinterMessage);
  return result;
}

}  // namespace spulix
