// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/wire_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "design/parts/wire_table.h"
#include "present/wire_text.h"
#include "ui/widgets/tool_window.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {
namespace {

constexpr const char* kHeaders[WireTableModel::kCount] = {
    QT_TRANSLATE_NOOP("SelectionTables", "标称直径"),
    QT_TRANSLATE_NOOP("SelectionTables", "一级漆膜最大外径"),
    QT_TRANSLATE_NOOP("SelectionTables", "二级漆膜最大外径"),
    QT_TRANSLATE_NOOP("SelectionTables", "截面积 mm²"),
    QT_TRANSLATE_NOOP("SelectionTables", "用于")};

// The table's value, or where it has none the bound the winding sheet
// winds with: the next larger size's value, "≤0.989".
QString Overall(std::size_t row, int grade) {
  const std::optional<std::string> overall = OverallDiameterText(row, grade);
  if (!overall) return WireTableModel::tr("未知");
  return QString::fromStdString(*overall);
}

}  // namespace

WireTableModel::WireTableModel(QObject* parent)
    : ToolTableModel(kCount, parent) {}

void WireTableModel::SetMarks(std::optional<std::size_t> d1,
                              std::optional<std::size_t> d2) {
  if (d1 == d1_ && d2 == d2_) return;
  d1_ = d1;
  d2_ = d2;
  EveryCellChanged();
}

int WireTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(StandardWires().size());
}

QVariant WireTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const auto row = static_cast<std::size_t>(index.row());
  const StandardWire& wire = StandardWires()[row];
  const bool marked = d1_ == row || d2_ == row;
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case kNominal:
          return QString::fromStdString(wire.nominal_text);
        case kGrade1:
          return Overall(row, 1);
        case kGrade2:
          return Overall(row, 2);
        case kArea:
          return QString::number(wire.AreaMm2(), 'g', 4);
        case kMark: {
          QStringList marks;
          if (d1_ == row) marks << QStringLiteral("d1");
          if (d2_ == row) marks << QStringLiteral("d2");
          return marks.join(tr("、"));
        }
      }
      return QVariant();
    case Qt::TextAlignmentRole:
      return index.column() == kMark
                 ? QVariant(Qt::AlignCenter)
                 : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
      if (marked) {
        QFont font;
        font.setBold(true);
        return font;
      }
      return QVariant();
    case Qt::BackgroundRole:
      return marked ? QVariant(MarkedRowBrush()) : QVariant();
    case Qt::ForegroundRole:
      if ((index.column() == kGrade1 && wire.grade1_text.empty()) ||
          (index.column() == kGrade2 && wire.grade2_text.empty())) {
        return QBrush(QColor(verdict_palette::kMuted));
      }
      return QVariant();
    default:
      return QVariant();
  }
}

QVariant WireTableModel::headerData(int section, Qt::Orientation orientation,
                                    int role) const {
  return ColumnHeader(kHeaders, section, orientation, role);
}

}  // namespace spulix
