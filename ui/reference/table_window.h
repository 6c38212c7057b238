// SPDX-License-Identifier: GPL-3.0-or-later
// The four reference-table windows: a fixed-size tool window whose client
// area shows a table picture, unscaled, from its top-left corner, in the
// current language.
#ifndef SPULIX_UI_REFERENCE_TABLE_WINDOW_H_
#define SPULIX_UI_REFERENCE_TABLE_WINDOW_H_

#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QWidget>

namespace spulix {

// Where a table window opens.
enum class TablePlacement {
  kCentred,      // centred on the screen whenever its size changes
  kFixedClient,  // client area at kTableClientOrigin
};

// Client-area origin of the tables that open at a fixed place (2760, 3750
// twips at 15 twips per pixel).
inline constexpr QPoint kTableClientOrigin(184, 250);

struct TableWindowInfo {
  const char* object_name;  // "Dialog" .. "Dialog3"
  // The caption's translation context: one per table, since two tables
  // share their Chinese caption but not their English one.
  const char* context;
  const char* caption;          // Chinese source
  QSize client_size;            // pixels; a few pixels smaller than the picture
  const char* picture;          // resource path of the Chinese picture
  const char* english_picture;  // the same table in English, same size
  TablePlacement placement;
};

// The table windows, in link order: efficiency, coefficient, flux density,
// stacking.
inline constexpr int kTableCount = 4;
const TableWindowInfo& TableInfo(int index);

class TableWindow : public QWidget {
  Q_OBJECT

 public:
  // A top-level window without owner that deletes itself when closed.
  explicit TableWindow(const TableWindowInfo& info);

  const TableWindowInfo& info() const { return info_; }

 protected:
  // Caption and picture follow the language.
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  const TableWindowInfo& info_;
  QPixmap picture_;
};

}  // namespace spulix

#endif  // SPULIX_UI_REFERENCE_TABLE_WINDOW_H_
