// SPDX-License-Identifier: GPL-3.0-or-later
// The winding build-up, shared by the full run and the recalculation that a
// double-click on a wire diameter starts.
#include "design/winding_build_up.h"

#include <cmath>

#include "design/design_calculation.h"
#include "design/transformer_design.h"

namespace spulix {
namespace {

using F = Field;

enum class Mode { kFull, kRecalculation };

void Run(FieldStore& store, Mode mode) {
  // Step 1: effective window height (the recalculation keeps h').
  if (mode == Mode::kFull) {
    if (IsEmptyField(store, F::kWindowHeight)) {
      WriteWhole(store, F::kEffectiveHeight, 0);
    } else {
      WriteFormatted(store, F::kEffectiveHeight,
                     Mul(Sub(ReadField(store, F::kWindowHeight),
                             constants::kWindowHeightMarginMm),
                         constants::kWindowHeightFactor),
                     Pattern::kTwoDecimals);
    }
  }
  // Step 2: primary turns per layer.
  if (ReadField(store, F::kD1) == 0) {
    WriteWhole(store, F::kTurnsPerLayer1, 0);
  } else {
    const double h_eff = ReadField(store, F::kEffectiveHeight);
    const double d1 = ReadField(store, F::kD1);
    WriteWhole(store, F::kTurnsPerLayer1, RoundToInt16(Div(h_eff, d1)));
  }
  // Step 3: primary layers, rounded to nearest (halves to even), not up.
  if (ReadField(store, F::kTurnsPerLayer1) == 0) {
    WriteWhole(store, F::kM1, 0);
  } else {
    const double n1 = ReadField(store, F::kN1);
    const double per_layer = ReadField(store, F::kTurnsPerLayer1);
    WriteWhole(store, F::kM1, RoundToInt16(Div(n1, per_layer)));
  }
  // Step 4: secondary turns per layer, kept with two decimals.
  if (ReadField(store, F::kD2) == 0) {
    WriteWhole(store, F::kTurnsPerLayer2, 0);
  } else {
    const double h_eff = ReadField(store, F::kEffectiveHeight);
    const double d2 = ReadField(store, F::kD2);
    WriteFormatted(store, F::kTurnsPerLayer2, Div(h_eff, d2),
                   Pattern::kTwoDecimals);
  }
  // Step 5: secondary layers; the recalculation divides by whole turns.
  if (ReadField(store, F::kTurnsPerLayer2) == 0) {
    WriteWhole(store, F::kM2, 0);
  } else {
    const double n2 = ReadField(store, F::kN2);
    double per_layer = ReadField(store, F::kTurnsPerLayer2);
    if (mode == Mode::kRecalculation) per_layer = std::trunc(per_layer);
    WriteFormatted(store, F::kM2, Div(n2, per_layer), Pattern::kTwoDecimals);
  }
  // Step 6: primary winding thickness.
  {
    const bool has_r1 = !IsEmptyField(store, F::kR1);
    const bool has_f1 = !IsEmptyField(store, F::kF1);
    double h1 = 0;
    if (!has_r1 && !has_f1) {
      h1 = Mul(ReadField(store, F::kM1), ReadField(store, F::kD1));
    } else if (!has_r1) {
      const double wire =
          Mul(ReadField(store, F::kM1), ReadField(store, F::kD1));
      const double layers =
          Mul(ReadField(store, F::kM1), ReadField(store, F::kF1));
      h1 = Add(wire, layers);
    } else if (!has_f1) {
      const double r1 = ReadField(store, F::kR1);
      h1 = Add(r1, Mul(ReadField(store, F::kM1), ReadField(store, F::kD1)));
    } else {
      const double r1 = ReadField(store, F::kR1);
      const double wire =
          Mul(ReadField(store, F::kM1), ReadField(store, F::kD1));
      const double layers =
          Mul(ReadField(store, F::kM1), ReadField(store, F::kF1));
      h1 = Add(r1, Add(wire, layers));
    }
    WriteFormatted(store, F::kH1, h1, Pattern::kTwoDecimals);
  }
  // Step 7: secondary winding thickness; f2 counts m2 - 1 times, r2 once.
  // The recalculation counts floor(m2 + 1) layers.
  {
    const auto layers = [&store, mode]() {
      const double m2 = ReadField(store, F::kM2);
      return mode == Mode::kFull ? m2 : std::floor(Add(m2, 1));
    };
    const bool has_f2 = !IsEmptyField(store, F::kF2);
    const bool has_r2 = !IsEmptyField(store, F::kR2);
    double h2 = 0;
    if (!has_f2 && !has_r2) {
      h2 = Mul(layers(), ReadField(store, F::kD2));
    } else if (!has_f2) {
      const double r2 = ReadField(store, F::kR2);
      h2 = Add(r2, Mul(layers(), ReadField(store, F::kD2)));
    } else if (!has_r2) {
      const double wire = Mul(layers(), ReadField(store, F::kD2));
      const double gaps = Mul(layers(), ReadField(store, F::kF2));
      h2 = Sub(Add(wire, gaps), ReadField(store, F::kF2));
    } else {
      const double r2 = ReadField(store, F::kR2);
      const double wire = Mul(layers(), ReadField(store, F::kD2));
      const double gaps = Mul(layers(), ReadField(store, F::kF2));
      h2 = Add(r2, Sub(Add(wire, gaps), ReadField(store, F::kF2)));
    }
    WriteFormatted(store, F::kH2, h2, Pattern::kTwoDecimals);
  }
  // Step 8: total coil thickness; a given r2 counts here once more.
  {
    double t = Add(Mul(ReadField(store, F::kH2), constants::kCoilAllowance),
                   constants::kCoilAllowanceTimesB0);
    t = Add(Mul(ReadField(store, F::kH1), constants::kCoilAllowance), t);
    if (!IsEmptyField(store, F::kR2)) {
      t = Add(Mul(ReadField(store, F::kR2), constants::kCoilAllowance), t);
    }
    WriteFormatted(store, F::kCoilThickness, t, Pattern::kOneDecimal);
  }
}

}  // namespace

void CalculateBuildUp(FieldStore& store) { Run(store, Mode::kFull); }

void RecalculateBuildUp(FieldStore& store) {
  try {
    Run(store, Mode::kRecalculation);
  } catch (const TypeMismatch&) {
    store.ShowMessage(kMessageEnterNumber);
  } catch (const ArithmeticFault&) {
    // Out-of-range layer counts or a zero whole turn count: stop silently.
  }
}

}  // namespace spulix
