// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/tool_table_model.h"

namespace spulix {

ToolTableModel::ToolTableModel(int columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(columns) {}

void ToolTableModel::Retranslate() {
  emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  EveryCellChanged();
}

int ToolTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

void ToolTableModel::EveryCellChanged() {
  if (rowCount() > 0) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columns_ - 1));
  }
}

}  // namespace spulix
