// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet/sheet_table_model.h"

#include <QStringList>

#include "present/sheet_text.h"
#include "present/winding_members.h"
#include "ui/language/translated_text.h"
#include "ui/store/qt_text.h"

namespace spulix {
namespace {

// Column 0 names the winding; the quantities follow.
constexpr int kNameColumn = 0;

// Header lines longer than this many characters wrap at their spaces, so
// that a caption of several words (the English ones) is no wider than its
// numbers need.
constexpr qsizetype kHeaderLine = 8;

QString WrapWords(const QString& line) {
  if (line.size() <= kHeaderLine) return line;
  QStringList lines;
  for (const QString& word : line.split(QLatin1Char(' '))) {
    if (!lines.isEmpty() &&
        lines.back().size() + 1 + word.size() <= kHeaderLine) {
      lines.back() += QLatin1Char(' ') + word;
    } else {
      lines << word;
    }
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

SheetTableModel::SheetTableModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void SheetTableModel::SetWindings(std::vector<SheetWinding> windings) {
  if (windings.size() == windings_.size()) {
    // The same rows with new values: the view keeps its selection and
    // scroll position while the user types.
    windings_ = std::move(windings);
    if (!windings_.empty()) {
      emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    return;
  }
  beginResetModel();
  windings_ = std::move(windings);
  endResetModel();
}

void SheetTableModel::Retranslate() {
  emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (!windings_.empty()) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  }
}

int SheetTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(windings_.size());
}

int SheetTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 1 + static_cast<int>(SheetQuantities().size());
}

QVariant SheetTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  if (role == Qt::TextAlignmentRole) {
    return index.column() == kNameColumn
               ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
               : QVariant(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return QVariant();
  const SheetWinding& winding =
      windings_[static_cast<std::size_t>(index.row())];
  if (index.column() == kNameColumn) {
    return Composed(WindingName(static_cast<std::size_t>(index.row())));
  }
  const WindingMember& quantity =
      SheetQuantities()[static_cast<std::size_t>(index.column() - 1)];
  return ToQString(quantity.text(winding));
}

QVariant SheetTableModel::headerData(int section, Qt::Orientation orientation,
                                     int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
      section >= columnCount()) {
    return QVariant();
  }
  if (section == kNameColumn) return Translated("WindingSheet", "绕组");
  // The unit goes on a second line, so the columns stay as narrow as their
  // numbers.
  QString caption = Translated(
      "WindingSheet",
      SheetQuantities()[static_cast<std::size_t>(section - 1)].caption);
  qsizetype unit = caption.indexOf(QStringLiteral("（"));
  if (unit > 0) {
    caption.insert(unit, QLatin1Char('\n'));
  } else if ((unit = caption.indexOf(QStringLiteral(" ("))) > 0) {
    caption[unit] = QLatin1Char('\n');
  }
  QStringList lines = caption.split(QLatin1Char('\n'));
  for (QString& line : lines) line = WrapWords(line);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace spulix
