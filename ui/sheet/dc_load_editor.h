// SPDX-License-Identifier: GPL-3.0-or-later
// 次级1's load in the 绕制单 window: 交流, or a rectifier (桥式, 全波, 正负)
// with its DC voltage and current, reservoir and diode drop. After a pause
// in typing it finds the U2 and P2 the winding needs (main_dc_load.h) and
// shows what the rectifier then gives, with a plot of one half-cycle; its
// button types U2 and P2 into the main window, whose reactions run. The
// main window never changes by itself.
#ifndef SPULIX_UI_SHEET_DC_LOAD_EDITOR_H_
#define SPULIX_UI_SHEET_DC_LOAD_EDITOR_H_

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "design/sheet/main_dc_load.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace spulix {

class DesignSheetChoices;
class QtFieldStore;
class RectifierPlot;
class UserCores;

class DcLoadEditor : public QWidget {
  Q_OBJECT

 public:
  DcLoadEditor(QtFieldStore& store, DesignSheetChoices& choices,
               UserCores& cores, QWidget* parent);

  // Solves 次级1's DC load for the design now.
  void Refresh();
  // Types the U2 and P2 found into the main window.
  void ApplyToDesign();
  void Retranslate();

  QComboBox* kind() const { return kind_; }
  QLineEdit* udc() const { return udc_; }
  QLineEdit* idc() const { return idc_; }
  QLineEdit* capacitance() const { return c_uf_; }
  QLineEdit* diode_drop() const { return vf_; }
  QLabel* figures() const { return figures_; }
  QPushButton* apply() const { return apply_; }
  RectifierPlot* plot() const { return plot_; }
  const std::optional<MainDcOutcome>& outcome() const { return outcome_; }
  bool refresh_pending() const { return refresh_.isActive(); }

 private:
  void ShowLoad();
  void TakeLoad();
  void ShowOutcome();

  QPointer<QtFieldStore> store_;
  QPointer<DesignSheetChoices> choices_;
  QPointer<UserCores> cores_;
  QComboBox* kind_ = nullptr;
  QLineEdit* udc_ = nullptr;
  QLineEdit* idc_ = nullptr;
  QLineEdit* c_uf_ = nullptr;
  QLineEdit* vf_ = nullptr;
  QLabel* figures_ = nullptr;
  QPushButton* apply_ = nullptr;
  RectifierPlot* plot_ = nullptr;
  std::optional<MainDcOutcome> outcome_;  // none for an AC load
  QTimer refresh_;
};

}  // namespace spulix

#endif  // SPULIX_UI_SHEET_DC_LOAD_EDITOR_H_
