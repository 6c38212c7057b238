// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/load_kind_delegate.h"

#include <QComboBox>
#include <QCoreApplication>
#include <iterator>
#include <optional>
#include <string>

#include "design/sheet/dc_winding.h"

namespace spulix {
namespace {

// In the order of the choice's items, as in 次级1's load choice.
constexpr LoadKind kKinds[] = {LoadKind::kAc, LoadKind::kBridge,
                               LoadKind::kFullWave, LoadKind::kSplit};

LoadKind KindOf(const QVariant& value) {
  return LoadKindFromKey(value.toString().toStdString())
      .value_or(LoadKind::kAc);
}

}  // namespace

QString LoadKindName(LoadKind kind) {
  switch (kind) {
    case LoadKind::kAc:
      return QCoreApplication::translate("spulix::DcLoadEditor", "交流");
    case LoadKind::kBridge:
      return QCoreApplication::translate("spulix::DcLoadEditor", "桥式");
    case LoadKind::kFullWave:
      return QCoreApplication::translate("spulix::DcLoadEditor", "全波");
    case LoadKind::kSplit:
      return QCoreApplication::translate("spulix::DcLoadEditor", "正负");
  }
  return QString();
}

QString LoadKindDelegate::displayText(const QVariant& value,
                                      const QLocale&) const {
  return LoadKindName(KindOf(value));
}

QWidget* LoadKindDelegate::createEditor(QWidget* parent,
                                        const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
  auto* editor = new QComboBox(parent);
  editor->setObjectName(QStringLiteral("ExtraLoadKind"));
  for (LoadKind kind : kKinds) {
    editor->addItem(LoadKindName(kind), QString::fromLatin1(LoadKindKey(kind)));
  }
  // A choice made is taken at once, not when the cell loses the focus.
  connect(editor, &QComboBox::activated, this, [this, editor] {
    emit const_cast<LoadKindDelegate*>(this)->commitData(editor);
  });
  return editor;
}

void LoadKindDelegate::setEditorData(QWidget* editor,
                                     const QModelIndex& index) const {
  auto* choice = static_cast<QComboBox*>(editor);
  const LoadKind kind = KindOf(index.data(Qt::EditRole));
  for (int i = 0; i < static_cast<int>(std::size(kKinds)); ++i) {
    if (kKinds[i] == kind) choice->setCurrentIndex(i);
  }
}

void LoadKindDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
  const auto* choice = static_cast<QComboBox*>(editor);
  model->setData(index, choice->currentData(), Qt::EditRole);
}

}  // namespace spulix
