// SPDX-License-Identifier: GPL-3.0-or-later
// The standard enamelled wires as table rows; the rows of the next standard
// size for the main window's d1 and d2 are marked.
#ifndef SPULIX_UI_SELECTION_WIRE_TABLE_MODEL_H_
#define SPULIX_UI_SELECTION_WIRE_TABLE_MODEL_H_

#include <cstddef>
#include <optional>

#include "ui/widgets/tool_table_model.h"

namespace spulix {

class WireTableModel : public ToolTableModel {
  Q_OBJECT

 public:
  enum Column { kNominal, kGrade1, kGrade2, kArea, kMark, kCount };

  explicit WireTableModel(QObject* parent = nullptr);

  // The rows for d1 and d2, or none.
  void SetMarks(std::optional<std::size_t> d1, std::optional<std::size_t> d2);
  std::optional<std::size_t> mark_d1() const { return d1_; }
  std::optional<std::size_t> mark_d2() const { return d2_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role) const override;

 private:
  std::optional<std::size_t> d1_;
  std::optional<std::size_t> d2_;
};

}  // namespace spulix

#endif  // SPULIX_UI_SELECTION_WIRE_TABLE_MODEL_H_
