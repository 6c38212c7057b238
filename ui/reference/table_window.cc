// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference/table_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <array>

#include "ui/language/language.h"
#include "ui/language/translated_text.h"
#include "ui/placement/center_on_screen.h"
#include "ui/widgets/sharp_pictures.h"

namespace spulix {
namespace {

// The contexts are the windows' own: each caption is translated once.
const std::array<TableWindowInfo, kTableCount> kTables = {{
    {"Dialog", "EfficiencyTable",
     QT_TRANSLATE_NOOP("EfficiencyTable", "变压器效率表"), QSize(611, 87),
     ":/tables/efficiency.png", ":/tables/efficiency_en.png",
     TablePlacement::kCentred},
    {"Dialog1", "CoefficientTable",
     QT_TRANSLATE_NOOP("CoefficientTable", "变压器功率系数表"), QSize(392, 169),
     ":/tables/coefficient.png", ":/tables/coefficient_en.png",
     TablePlacement::kFixedClient},
    {"Dialog2", "FluxDensityTable",
     QT_TRANSLATE_NOOP("FluxDensityTable", "对话框标题"), QSize(445, 208),
     ":/tables/flux_density.png", ":/tables/flux_density_en.png",
     TablePlacement::kFixedClient},
    {"Dialog3", "StackingTable",
     QT_TRANSLATE_NOOP("StackingTable", "对话框标题"), QSize(456, 175),
     ":/tables/stacking.png", ":/tables/stacking_en.png",
     TablePlacement::kFixedClient},
}};

QPixmap PictureOf(const TableWindowInfo& info) {
  return QPixmap(QString::fromUtf8(CurrentLanguage() == Language::kEnglish
                                       ? info.english_picture
                                       : info.picture));
}

}  // namespace

const TableWindowInfo& TableInfo(int index) { return kTables.at(index); }

TableWindow::TableWindow(const TableWindowInfo& info)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      info_(info),
      picture_(PictureOf(info)) {
  setObjectName(QString::fromUtf8(info.object_name));
  SetTranslatedText(this, info.context, info.caption);
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

void TableWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  RetranslateTexts(this);
  picture_ = PictureOf(info_);
  update();
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
