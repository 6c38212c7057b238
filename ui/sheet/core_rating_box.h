// SPDX-License-Identifier: GPL-3.0-or-later
// 这个铁心能做多大: for the core in the builder's hands (the main window's,
// or one from the catalogue) on the design's stack as built, the largest
// whole output power the winding sheet can wind, and a button that makes
// it the design: the core put in as 使用 does, P2 set to that power, so the
// sheet shows what to wind.
#ifndef SPULIX_UI_SHEET_CORE_RATING_BOX_H_
#define SPULIX_UI_SHEET_CORE_RATING_BOX_H_

#include <QWidget>
#include <QPointer>
#include <QTimer>
#include <optional>

#include "design/parts/core_catalogue.h"
#include "design/sheet/core_rating.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace spulix {

class DesignSheetChoices;
class QtFieldStore;
class UserCores;

class CoreRatingBox : public QWidget {
  Q_OBJECT

 public:
  CoreRatingBox(QtFieldStore& store, DesignSheetChoices& choices,
                UserCores& cores, QWidget* parent);

  // Rates the chosen core for the design now; changes are followed after a
  // pause, as the sheet is.
  void Refresh();
  // Makes the answer the design.
  void UseRating();
  // The texts the box composes, again in the current language.
  void Retranslate();

  QComboBox* core_choice() const { return core_; }
  QLabel* answer() const { return answer_; }
  QPushButton* use() const { return use_; }
  const std::optional<CoreRating>& rating() const { return rating_; }

 private:
  // The main window's h, c and a as a core, or none where one is missing.
  std::optional<CoreEntry> DesignCore() const;
  std::optional<CoreEntry> ChosenCore() const;
  void ShowCores();
  void ShowAnswer();

  QPointer<QtFieldStore> store_;
  QPointer<DesignSheetChoices> choices_;
  QPointer<UserCores> cores_;
  QComboBox* core_ = nullptr;
  QLabel* answer_ = nullptr;
  QPushButton* use_ = nullptr;
  std::optional<CoreEntry> rated_core_;
  std::optional<CoreRating> rating_;
  QTimer refresh_;
};

}  // namespace spulix

#endif  // SPULIX_UI_SHEET_CORE_RATING_BOX_H_
