// SPDX-License-Identifier: GPL-3.0-or-later
// The cores of the catalogue as table rows, with what each does for the
// current design: coil thickness H, the room left c - H and the verdict by
// the traditional rule, then the coil as the winding sheet winds it and its
// verdict; the smallest core the sheet can wind stands out.
#ifndef SPULIX_UI_SELECTION_CORE_TABLE_MODEL_H_
#define SPULIX_UI_SELECTION_CORE_TABLE_MODEL_H_

#include "design/parts/core_catalogue.h"
#include "design/parts/core_selection.h"
#include "design/sheet/core_search.h"
#include "ui/widgets/tool_table_model.h"

namespace spulix {

class CoreTableModel : public ToolTableModel {
  Q_OBJECT

 public:
  enum Column {
    kName,
    kKind,
    kA,
    kC,
    kH,
    kCoil,
    kMargin,
    kVerdict,
    kSheetCoil,
    kStackRatio,
    kSheetVerdict,
    kCount
  };

  explicit CoreTableModel(const CoreCatalogue& catalogue,
                          QObject* parent = nullptr);

  // After entries were added, changed or removed.
  void CatalogueChanged();
  void SetSelection(CoreSelection selection, SheetCoreSelection by_sheet);
  const CoreSelection& selection() const { return selection_; }
  const SheetCoreSelection& by_sheet() const { return by_sheet_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role) const override;

 private:
  QString Text(int row, int column) const;

  const CoreCatalogue& catalogue_;
  CoreSelection selection_;
  SheetCoreSelection by_sheet_;
};

// "可用", "不可用", "慎用" or "—".
QString VerdictText(CoreVerdict verdict);

}  // namespace spulix

#endif  // SPULIX_UI_SELECTION_CORE_TABLE_MODEL_H_
