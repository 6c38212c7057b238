// SPDX-License-Identifier: GPL-3.0-or-later
// What the core and wire tables share: a fixed set of columns, whose
// headers and cells are told again when the language changes or a whole
// new judgement arrives.
#ifndef SPULIX_UI_WIDGETS_TOOL_TABLE_MODEL_H_
#define SPULIX_UI_WIDGETS_TOOL_TABLE_MODEL_H_

#include <QAbstractTableModel>

namespace spulix {

class ToolTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Headers and cells again, in the current language.
  void Retranslate();
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;

 protected:
  ToolTableModel(int columns, QObject* parent);
  // Every cell may read differently now.
  void EveryCellChanged();

 private:
  int columns_;
};

}  // namespace spulix

#endif  // SPULIX_UI_WIDGETS_TOOL_TABLE_MODEL_H_
