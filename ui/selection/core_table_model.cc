// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/selection/core_table_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "design/transformer_design.h"
#include "present/core_rows.h"
#include "ui/language/translated_text.h"
#include "ui/store/qt_text.h"
#include "ui/widgets/tool_window.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {
namespace {

constexpr const char* kHeaders[CoreTableModel::kCount] = {
    QT_TRANSLATE_NOOP("SelectionTables", "型号"),
    QT_TRANSLATE_NOOP("SelectionTables", "类别"),
    QT_TRANSLATE_NOOP("SelectionTables", "a 舌宽"),
    QT_TRANSLATE_NOOP("SelectionTables", "c 窗宽"),
    QT_TRANSLATE_NOOP("SelectionTables", "h 窗高"),
    QT_TRANSLATE_NOOP("SelectionTables", "H 线包厚"),
    QT_TRANSLATE_NOOP("SelectionTables", "c−H 余量"),
    QT_TRANSLATE_NOOP("SelectionTables", "结论"),
    QT_TRANSLATE_NOOP("SelectionTables", "实绕线包厚"),
    QT_TRANSLATE_NOOP("SelectionTables", "迭厚/舌宽"),
    QT_TRANSLATE_NOOP("SelectionTables", "实绕")};

const QColor kGood(verdict_palette::kGood);
const QColor kBad(verdict_palette::kBad);

}  // namespace

QString VerdictText(CoreVerdict verdict) {
  return Translated("CoreSelection", CoreVerdictText(verdict));
}

CoreTableModel::CoreTableModel(const CoreCatalogue& catalogue, QObject* parent)
    : ToolTableModel(kCount, parent), catalogue_(catalogue) {
  selection_.results.resize(catalogue_.cores().size());
  by_sheet_.results.resize(catalogue_.cores().size());
}

void CoreTableModel::CatalogueChanged() {
  beginResetModel();
  selection_ = CoreSelection{};
  selection_.results.resize(catalogue_.cores().size());
  by_sheet_ = SheetCoreSelection{};
  by_sheet_.results.resize(catalogue_.cores().size());
  endResetModel();
}

void CoreTableModel::SetSelection(CoreSelection selection,
                                  SheetCoreSelection by_sheet) {
  if (selection.results.size() != catalogue_.cores().size() ||
      by_sheet.results.size() != catalogue_.cores().size()) {
    return;
  }
  selection_ = std::move(selection);
  by_sheet_ = std::move(by_sheet);
  EveryCellChanged();
}

int CoreTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(catalogue_.cores().size());
}

QString CoreTableModel::Text(int row, int column) const {
  const CoreRow cells = CoreRowOf(catalogue_, selection_, by_sheet_,
                                  static_cast<std::size_t>(row));
  switch (column) {
    case kName:
      return ToQString(cells.core->name);
    case kKind:
      return cells.core->built_in ? tr("标准") : tr("自定义");
    case kA:
      return ToQString(cells.a);
    case kC:
      return ToQString(cells.c);
    case kH:
      return ToQString(cells.h);
    case kCoil:
      return ToQString(cells.coil);
    case kMargin:
      return ToQString(cells.margin);
    case kVerdict:
      return VerdictText(cells.verdict);
    case kSheetCoil:
      return ToQString(cells.sheet_coil);
    case kStackRatio:
      return ToQString(cells.stack_ratio);
    case kSheetVerdict:
      if (!cells.builds) return ToQString(kNoValue);
      if (cells.smallest_buildable) return tr("可用 ★最小");
      if (cells.stack_too_tall) {
        return tr("不可用（%1）")
            .arg(Translated("CoreSelection", kStackTooTallText));
      }
      return *cells.builds ? tr("可用") : tr("不可用");
  }
  return QString();
}

QVariant CoreTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const auto row = static_cast<std::size_t>(index.row());
  const bool smallest = by_sheet_.smallest_buildable == row;
  switch (role) {
    case Qt::DisplayRole:
      return Text(index.row(), index.column());
    case Qt::TextAlignmentRole:
      return (index.column() >= kA && index.column() <= kMargin) ||
                     index.column() == kSheetCoil ||
                     index.column() == kStackRatio
                 ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
      if (smallest) {
        QFont font;
        font.setBold(true);
        return font;
      }
      return QVariant();
    case Qt::BackgroundRole:
      return smallest ? QVariant(MarkedRowBrush()) : QVariant();
    case Qt::ForegroundRole:
      if (index.column() == kSheetVerdict) {
        const SheetCoreResult& built = by_sheet_.results[row];
        if (!built.coil_mm) return QVariant();
        return QBrush(built.builds ? kGood : kBad);
      }
      if (index.column() != kVerdict) return QVariant();
      switch (selection_.results[row].verdict) {
        case CoreVerdict::kFits:
          return QBrush(kGood);
        case CoreVerdict::kTooThick:
          return QBrush(kBad);
        case CoreVerdict::kExact:
          return QBrush(QColor(verdict_palette::kCaution));
        case CoreVerdict::kUnknown:
          return QVariant();
      }
      return QVariant();
    default:
      return QVariant();
  }
}

QVariant CoreTableModel::headerData(int section, Qt::Orientation orientation,
                                    int role) const {
  return ColumnHeader(kHeaders, section, orientation, role);
}

}  // namespace spulix
