// SPDX-License-Identifier: GPL-3.0-or-later
// The four reference tables (efficiency, power coefficient K, flux density
// Bm, stacking coefficient Kc) drawn as black-on-white ruled pictures.
#ifndef SPULIX_RESOURCES_GENERATOR_REFERENCE_TABLES_H_
#define SPULIX_RESOURCES_GENERATOR_REFERENCE_TABLES_H_

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace spulix {

// One table picture. The outer frame is 2 pixels wide; its top-left pixel is
// always (11, 11) and `frame_end` is its bottom-right pixel. Inner rules are
// 1 pixel wide. The table is a grid of rows; a row holding a single text
// spans the full width (titles and headings), and the column rules start
// below the last such spanning row at the top of the table.
struct ReferenceTable {
  QString file_name;              // path below the resources folder
  QSize size;                     // picture size in pixels
  QPoint frame_end;               // bottom-right pixel of the outer frame
  std::vector<int> row_rules;     // y of each horizontal rule
  std::vector<int> column_rules;  // x of each vertical rule
  std::vector<QStringList> rows;  // texts, row by row; '\n' breaks lines
};

// The four tables with their exact rules and texts.
const std::vector<ReferenceTable>& ReferenceTables();

// The same four tables in English, as tables/<name>_en.png: same sizes and
// rules, so the windows keep their geometry in either language.
const std::vector<ReferenceTable>& EnglishReferenceTables();

// Draws `table` in pure black and white, every text centred in its cell.
// Returns a null image when a line of text is wider than its cell.
QImage DrawReferenceTable(const ReferenceTable& table);

}  // namespace spulix

#endif  // SPULIX_RESOURCES_GENERATOR_REFERENCE_TABLES_H_
