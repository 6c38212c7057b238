// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/sheet_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "design/rectifier/dc_load.h"
#include "design/sheet/dc_winding.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix::sheet_parts {

QLabel* AddLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

void SetStyle(QWidget* widget, const QString& style) {
  if (widget->styleSheet() != style) widget->setStyleSheet(style);
}

QTableWidgetItem* CenterTapItem(bool checked) {
  auto* item = new QTableWidgetItem;
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                 Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  return item;
}

namespace {

// The user's own tap under one the load forces; and the load's diode drop,
// which has no column (set in a file or on the command line), kept on the
// kind's cell.
constexpr int kOwnTapRole = Qt::UserRole + 1;
constexpr int kDiodeDropRole = Qt::UserRole + 2;

QTableWidgetItem* TextItem(const std::string& text) {
  return new QTableWidgetItem(QString::fromStdString(text));
}

LoadKind KindOfRow(const QTableWidget& table, int row) {
  const QTableWidgetItem* item = table.item(row, kLoadKind);
  if (item == nullptr) return LoadKind::kAc;
  return LoadKindFromKey(item->text().toStdString()).value_or(LoadKind::kAc);
}

bool TapForced(LoadKind kind) {
  const std::optional<RectifierKind> rectifier = RectifierOf(kind);
  return rectifier && IsCentreTapped(*rectifier);
}

void SetRow(QTableWidget& table, int row, const Secondary& extra) {
  table.setItem(row, kVoltage, TextItem(extra.voltage));
  table.setItem(row, kCurrent, TextItem(extra.current));
  table.setItem(row, kCenterTap, CenterTapItem(extra.center_tap));
  QTableWidgetItem* kind = TextItem(LoadKindKey(extra.load.kind));
  kind->setData(kDiodeDropRole, QString::fromStdString(extra.load.vf));
  table.setItem(row, kLoadKind, kind);
  table.setItem(row, kDcVoltage, TextItem(extra.load.udc));
  table.setItem(row, kDcCurrent, TextItem(extra.load.idc));
  table.setItem(row, kDcCapacitance, TextItem(extra.load.c_uf));
}

void SetUsed(QTableWidgetItem* item, bool used) {
  if (item == nullptr) return;
  const Qt::ItemFlags flags =
      used ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
           : Qt::ItemIsSelectable;
  if (item->flags() != flags) item->setFlags(flags);
}

}  // namespace

int AppendExtraRow(QTableWidget& table) {
  const int row = table.rowCount();
  table.insertRow(row);
  SetRow(table, row, Secondary());
  ShowLoadCells(table);
  return row;
}

std::vector<Secondary> ExtrasOf(const QTableWidget& table) {
  std::vector<Secondary> extras;
  for (int row = 0; row < table.rowCount(); ++row) {
    const auto text = [&](int column) {
      const QTableWidgetItem* item = table.item(row, column);
      return item ? item->text().toStdString() : std::string();
    };
    const QTableWidgetItem* tap = table.item(row, kCenterTap);
    Secondary extra(text(kVoltage), text(kCurrent));
    if (tap != nullptr) {
      const QVariant own = tap->data(kOwnTapRole);
      extra.center_tap =
          own.isValid() ? own.toBool() : tap->checkState() == Qt::Checked;
    }
    extra.load.kind = KindOfRow(table, row);
    extra.load.udc = text(kDcVoltage);
    extra.load.idc = text(kDcCurrent);
    extra.load.c_uf = text(kDcCapacitance);
    if (const QTableWidgetItem* kind = table.item(row, kLoadKind)) {
      extra.load.vf = kind->data(kDiodeDropRole).toString().toStdString();
    }
    extras.push_back(std::move(extra));
  }
  return extras;
}

void ShowExtras(QTableWidget& table, std::span<const Secondary> extras) {
  if (!std::ranges::equal(ExtrasOf(table), extras)) {
    const QSignalBlocker block(&table);
    table.setRowCount(0);
    for (const Secondary& extra : extras) {
      const int row = table.rowCount();
      table.insertRow(row);
      SetRow(table, row, extra);
    }
  }
  ShowLoadCells(table);
}

void ShowLoadCells(QTableWidget& table) {
  const QSignalBlocker block(&table);
  for (int row = 0; row < table.rowCount(); ++row) {
    const LoadKind kind = KindOfRow(table, row);
    const bool dc = kind != LoadKind::kAc;
    for (int column : {kVoltage, kCurrent})
      SetUsed(table.item(row, column), !dc);
    for (int column : {kDcVoltage, kDcCurrent, kDcCapacitance}) {
      SetUsed(table.item(row, column), dc);
    }
    QTableWidgetItem* tap = table.item(row, kCenterTap);
    if (tap == nullptr) continue;
    const QVariant own = tap->data(kOwnTapRole);
    if (TapForced(kind) && !own.isValid()) {
      tap->setData(kOwnTapRole, tap->checkState() == Qt::Checked);
      tap->setCheckState(Qt::Checked);
      tap->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    } else if (!TapForced(kind) && own.isValid()) {
      tap->setData(kOwnTapRole, QVariant());
      tap->setCheckState(own.toBool() ? Qt::Checked : Qt::Unchecked);
      tap->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                    Qt::ItemIsUserCheckable);
    }
  }
}

QWidget* MakeStaleWarning(QWidget* parent, QPushButton* refresh) {
  auto* warning = new QWidget(parent);
  warning->setObjectName(QStringLiteral("SheetStale"));
  auto* row = new QHBoxLayout(warning);
  row->setContentsMargins(0, 0, 0, 0);
  QLabel* text = AddLabel("SheetStaleText", warning);
  text->setWordWrap(true);
  SetStyle(text, verdict_palette::TextStyle(verdict_palette::kBad));
  row->addWidget(text, 1);
  refresh->setParent(warning);
  row->addWidget(refresh);
  warning->hide();
  return warning;
}

}  // namespace spulix::sheet_parts
