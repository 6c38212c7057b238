// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/sheet_parts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>
#include <string>

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

std::vector<Secondary> ExtrasOf(const QTableWidget& table) {
  std::vector<Secondary> extras;
  for (int row = 0; row < table.rowCount(); ++row) {
    const auto text = [&](int column) {
      const QTableWidgetItem* item = table.item(row, column);
      return item ? item->text().toStdString() : std::string();
    };
    const QTableWidgetItem* tap = table.item(row, kCenterTap);
    extras.push_back({text(kVoltage), text(kCurrent),
                      tap != nullptr && tap->checkState() == Qt::Checked});
  }
  return extras;
}

void ShowExtras(QTableWidget& table, std::span<const Secondary> extras) {
  if (std::ranges::equal(ExtrasOf(table), extras)) return;
  const QSignalBlocker block(&table);
  table.setRowCount(0);
  for (const Secondary& extra : extras) {
    const int row = table.rowCount();
    table.insertRow(row);
    table.setItem(row, kVoltage,
                  new QTableWidgetItem(QString::fromStdString(extra.voltage)));
    table.setItem(row, kCurrent,
                  new QTableWidgetItem(QString::fromStdString(extra.current)));
    table.setItem(row, kCenterTap, CenterTapItem(extra.center_tap));
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
