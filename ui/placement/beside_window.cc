// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/placement/beside_window.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace spulix {

QRect PlaceBeside(const QRect& beside, QSize size, const QRect& screen) {
  size =
      size.boundedTo(screen.size() - QSize(kFrameAllowance, kFrameAllowance));
  const int gap = kFrameAllowance / 4;
  const int top =
      std::clamp(beside.isNull() ? screen.top() : beside.top(),
                 screen.top() + kFrameAllowance / 2,
                 screen.bottom() - size.height() - kFrameAllowance / 2);
  if (!beside.isNull()) {
    if (beside.right() + gap + size.width() + kFrameAllowance / 2 <=
        screen.right()) {
      return QRect(QPoint(beside.right() + gap + kFrameAllowance / 4, top),
                   size);
    }
    if (beside.left() - gap - size.width() - kFrameAllowance / 2 >=
        screen.left()) {
      return QRect(
          QPoint(beside.left() - gap - size.width() - kFrameAllowance / 4, top),
          size);
    }
  }
  QRect centred(QPoint(), size);
  centred.moveCenter(screen.center());
  return centred;
}

QRect MainWindowFrame(const QWidget* except) {
  QRect largest;
  for (const QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget == except || !widget->isVisible() ||
        qobject_cast<const QMainWindow*>(widget) == nullptr) {
      continue;
    }
    const QRect frame = widget->frameGeometry();
    if (frame.width() * frame.height() > largest.width() * largest.height()) {
      largest = frame;
    }
  }
  return largest;
}

void PlaceToolWindow(QWidget& window) {
  QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const QRect placed = PlaceBeside(MainWindowFrame(&window), window.size(),
                                   screen->availableGeometry());
  // Never wider or taller than the screen lets it be, frame and all.
  window.setGeometry(QRect(placed.topLeft(),
                           placed.size().expandedTo(window.minimumSizeHint())));
}

namespace {

QString SizeKey(const QWidget& window) {
  return window.objectName() + QStringLiteral("/size");
}

QSettings SizeSettings() {
  return QSettings(QStringLiteral("Spulix"), QStringLiteral("Spulix"));
}

}  // namespace

QSize RememberedSize(const QWidget& window, QSize otherwise) {
  const QSize remembered = SizeSettings().value(SizeKey(window)).toSize();
  return remembered.isValid() ? remembered : otherwise;
}

void RememberSize(const QWidget& window) {
  SizeSettings().setValue(SizeKey(window), window.size());
}

}  // namespace spulix
