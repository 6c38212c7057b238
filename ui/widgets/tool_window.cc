// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/tool_window.h"

#include <QColor>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QTableView>

#include "ui/language/translated_text.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/verdict_palette.h"

namespace spulix {

SelectionWindowBase::SelectionWindowBase(const char* object_name,
                                         const char* title)
    : QWidget(nullptr, Qt::Window) {
  setObjectName(QString::fromLatin1(object_name));
  SetTranslatedText(this, "SelectionWindows", title);
  setWindowIcon(QIcon(QStringLiteral(":/icons/spulix.png")));
  setAttribute(Qt::WA_DeleteOnClose);
  setFont(WindowFont());
}

void SelectionWindowBase::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void SelectionWindowBase::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  RetranslateTexts(this);
  Retranslate();
}

QTableView* MakeSelectionTable(QAbstractItemModel* model,
                               const char* object_name, QWidget* parent) {
  auto* table = new QTableView(parent);
  table->setObjectName(QString::fromLatin1(object_name));
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setTabKeyNavigation(false);
  // The columns are sized to their text: no wrapping or eliding to work out
  // at each repaint while the user types.
  table->setWordWrap(false);
  table->setTextElideMode(Qt::ElideNone);
  table->verticalHeader()->setVisible(false);
  table->verticalHeader()->setDefaultSectionSize(22);
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

QVariant ColumnHeader(std::span<const char* const> headers, int section,
                      Qt::Orientation orientation, int role) {
  if (role != Qt::DisplayRole) return QVariant();
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || static_cast<std::size_t>(section) >= headers.size()) {
    return QVariant();
  }
  return Translated("SelectionTables",
                    headers[static_cast<std::size_t>(section)]);
}

QBrush MarkedRowBrush() { return QBrush(QColor(verdict_palette::kMarkedRow)); }

}  // namespace spulix
