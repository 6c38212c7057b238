// SPDX-License-Identifier: GPL-3.0-or-later
// Prints an image of the main window's client area on one page.
#ifndef SPULIX_UI_OUTPUT_WINDOW_PRINTER_H_
#define SPULIX_UI_OUTPUT_WINDOW_PRINTER_H_

#include <QImage>
#include <QRect>
#include <QSize>

class QPrinter;
class QWidget;

namespace spulix {

class FieldStore;

// The message for a missing or unusable printer.
inline constexpr const char* kPrinterMessage = "请检查打印机！";

enum class PrintResult {
  kPrinted,
  kPrinterError,  // no default printer, or it could not be opened
  kOtherFailure,  // anything else; not reported to the user
};

// The largest rectangle of the image's aspect ratio inside the area,
// centred horizontally and at the top of the area. Empty for an empty image
// or area.
QRect FitRect(QSize image, const QRect& area);

// An image of the window's client area as it looks now: the central widget
// of a main window (below its menu bar), otherwise the whole widget.
QImage ClientAreaImage(QWidget* window);

// Prints the image on one page of the printer, scaled to fit the printable
// area with its aspect ratio kept.
PrintResult PrintImage(const QImage& image, QPrinter& printer);

// Prints the window's client area on the default printer. A printer error
// is reported once through the store's message box; every other failure is
// silent. Nothing in the window changes.
PrintResult PrintWindow(QWidget* window, FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_UI_OUTPUT_WINDOW_PRINTER_H_
