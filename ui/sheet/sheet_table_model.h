// SPDX-License-Identifier: GPL-3.0-or-later
// The windings of the winding sheet for a table view: one row per winding
// (初级, 次级1, 次级2, ...), one column per quantity, the texts as the
// sheet gives them everywhere.
#ifndef SPULIX_UI_SHEET_SHEET_TABLE_MODEL_H_
#define SPULIX_UI_SHEET_SHEET_TABLE_MODEL_H_

#include <QAbstractTableModel>
#include <vector>

#include "design/sheet/winding_sheet.h"

namespace spulix {

class SheetTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit SheetTableModel(QObject* parent = nullptr);

  // Shows these windings; none leaves the table empty.
  void SetWindings(std::vector<SheetWinding> windings);
  // The names and captions again, in the current language.
  void Retranslate();

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role) const override;

 private:
  std::vector<SheetWinding> windings_;
};

}  // namespace spulix

#endif  // SPULIX_UI_SHEET_SHEET_TABLE_MODEL_H_
