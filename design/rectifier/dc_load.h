// SPDX-License-Identifier: GPL-3.0-or-later
// A DC load on a winding: a rectifier, a reservoir capacitor and a constant
// current drawn from it, fed from the 50 Hz mains.
#ifndef SPULIX_DESIGN_RECTIFIER_DC_LOAD_H_
#define SPULIX_DESIGN_RECTIFIER_DC_LOAD_H_

#include "design/rectifier/reservoir_capacitor.h"

namespace spulix {

inline constexpr double kMainsFrequencyHz = 50;

enum class RectifierKind {
  kBridge,    // 桥式: four diodes on a winding without a tap
  kFullWave,  // 全波: two diodes on a centre-tapped winding
  kSplit,     // 正负: a bridge on a centre-tapped winding, tap at 0 V
};

struct DcLoad {
  RectifierKind kind = RectifierKind::kBridge;
  double udc_v = 0;           // the mean DC voltage wanted at full load
  double idc_a = 0;           // the mean DC current; each rail's for kSplit
  double capacitance_uf = 0;  // the reservoir; each rail's for kSplit
  double diode_drop_v = kDefaultDiodeDropV;  // one diode's forward drop
};

// Whether the kind needs a centre tap: its halves conduct in turn.
constexpr bool IsCentreTapped(RectifierKind kind) {
  return kind != RectifierKind::kBridge;
}

// The diodes a charging pulse passes through.
constexpr int DiodesInPath(RectifierKind kind) {
  return kind == RectifierKind::kBridge ? 2 : 1;
}

// Their drops together, volts.
constexpr double PathDropV(const DcLoad& load) {
  return DiodesInPath(load.kind) * load.diode_drop_v;
}

}  // namespace spulix

#endif  // SPULIX_DESIGN_RECTIFIER_DC_LOAD_H_
