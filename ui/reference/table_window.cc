// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference/table_window.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <array>

#include "ui/placement/center_on_screen.h"
#include "ui/widgets/sharp_pictures.h"

namespace spulix {
namespace {

const std::array<TableWindowInfo, kTableCount> kTables = {{
    {"Dialog", "变压器效率表", QSize(611, 87), ":/tables/efficiency.png",
     TablePlacement::kCentred},
    {"Dialog1", "变压器功率系数表", QSize(392, 169), ":/tables/coefficient.png",
     TablePlacement::kFixedClient},
    {"Dialog2", "对话框标题", QSize(445, 208), ":/tables/flux_density.png",
     TablePlacement::kFixedClient},
    {"Dialog3", "对话框标题", QSize(456, 175), ":/tables/stacking.png",
     TablePlacement::kFixedClient},
}};

}  // namespace

const TableWindowInfo& TableInfo(int index) { return kTables.at(index); }

TableWindow::TableWindow(const TableWindowInfo& info)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      info_(info),
      picture_(QString::fromUtf8(info.picture)) {
  setObjectName(QString::fromUtf8(info.object_name));
  setWindowTitle(QString::fromUtf8(info.caption));
  setWindowIcon(SharpIcon(QStringLiteral(":/icons/spulix.png")));
  setAttribute(Qt::WA_DeleteOnClose);
  // The picture covers the whole client area, so nothing needs erasing.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(info.client_size);
  if (info.placement == TablePlacement::kFixedClient) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin =
        screen != nullptr ? screen->geometry().topLeft() : QPoint(0, 0);
    // setGeometry places the client area, not the frame.
    setGeometry(QRect(origin + kTableClientOrigin, info.client_size));
  }
}

void TableWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  // One picture pixel per screen pixel; the picture's right and bottom
  // margins fall outside the client area and are cut off.
  painter.drawPixmap(QPoint(0, 0), picture_);
}

void TableWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (info_.placement == TablePlacement::kCentred) CenterOnScreen(this);
}

}  // namespace spulix
