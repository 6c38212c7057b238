// SPDX-License-Identifier: GPL-3.0-or-later
// Small pieces of the 绕制单 window: its selectable labels, a style set only
// when it changes, and the extra secondaries' table read back as the
// design's secondaries.
#ifndef SPULIX_UI_SHEET_SHEET_PARTS_H_
#define SPULIX_UI_SHEET_SHEET_PARTS_H_

#include <QString>
#include <span>
#include <vector>

#include "design/design.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QWidget;

namespace spulix::sheet_parts {

QLabel* AddLabel(const char* name, QWidget* parent);

// Set only when it changes: polishing a shown label again draws its text
// otherwise than its first showing did, and switching the language back
// must give the very window it left.
void SetStyle(QWidget* widget, const QString& style);

// The columns of the extra secondaries' table: an AC load's U and I, the
// tap, the load's kind and a DC load's Udc, Idc and C. The cells a row's
// kind does not use keep their texts, greyed, for when it changes back.
enum ExtraColumn {
  kVoltage,
  kCurrent,
  kCenterTap,
  kLoadKind,
  kDcVoltage,
  kDcCurrent,
  kDcCapacitance,
  kExtraColumns
};

QTableWidgetItem* CenterTapItem(bool checked);

// A new empty row at the end of the table: an AC load, no tap.
int AppendExtraRow(QTableWidget& table);

// The warning that the main window's results are older than its inputs
// (its label "SheetStaleText", empty until set), with `refresh` beside it;
// hidden.
QWidget* MakeStaleWarning(QWidget* parent, QPushButton* refresh);

// The design's extra secondaries into the table, rebuilt only when they
// differ from it, so an edit made there keeps its cell.
void ShowExtras(QTableWidget& table, std::span<const Secondary> extras);

// The table's rows as secondaries, texts as typed. A tap that 全波 or 正负
// forces reads as the user's own choice under it.
std::vector<Secondary> ExtrasOf(const QTableWidget& table);

// Greys the cells each row's load kind does not use and shows a tap its
// rectifier needs as set.
void ShowLoadCells(QTableWidget& table);

}  // namespace spulix::sheet_parts

#endif  // SPULIX_UI_SHEET_SHEET_PARTS_H_
