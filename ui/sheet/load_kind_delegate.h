// SPDX-License-Identifier: GPL-3.0-or-later
// The load column of the extra secondaries' table: the cell holds the
// kind's file name ("ac", "bridge", ...), shows it in the current language
// and is edited with a choice of the four kinds.
#ifndef SPULIX_UI_SHEET_LOAD_KIND_DELEGATE_H_
#define SPULIX_UI_SHEET_LOAD_KIND_DELEGATE_H_

#include <QString>
#include <QStyledItemDelegate>

#include "design/design.h"

namespace spulix {

// The kind's name as the window shows it: 交流, 桥式, 全波, 正负.
QString LoadKindName(LoadKind kind);

class LoadKindDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QString displayText(const QVariant& value,
                      const QLocale& locale) const override;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
};

}  // namespace spulix

#endif  // SPULIX_UI_SHEET_LOAD_KIND_DELEGATE_H_
