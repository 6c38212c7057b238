// SPDX-License-Identifier: GPL-3.0-or-later
// The full design calculation. Each step reads the texts it needs, so a later
// step works with what an earlier step wrote, already rounded for display.
#include "design/design_calculation.h"

#include "design/transformer_design.h"
#include "design/winding_build_up.h"

namespace spulix {
namespace {

using F = Field;

// Thrown internally when U2 is missing: the run ends after its message.
struct EndOfRun {};

void Run(FieldStore& store) {
  // Step 1: an empty output power zeroes the power chain and skips to N0.
  if (IsEmptyField(store, F::kP2)) {
    WriteWhole(store, F::kP1, 0);
    WriteWhole(store, F::kP, 0);
    WriteWhole(store, F::kS, 0);
    WriteWhole(store, F::kI1, 0);
    WriteWhole(store, F::kI2, 0);
  } else {
    // Step 2: efficiency chosen on the strict reading, P1 from the lenient.
    const std::optional<double> efficiency =
        EfficiencyFor(ReadField(store, F::kP2));
    if (efficiency) {
      WriteWhole(
          store, F::kP1,
          RoundToInt32(Div(ReadFieldLenient(store, F::kP2), *efficiency)));
    }
    // Step 3: rated power from the written P1.
    const double p1 = ReadField(store, F::kP1);
    const double p2 = ReadField(store, F::kP2);
    WriteGeneral(store, F::kP, Add(Div(p1, 2), Div(p2, 2)));
    // Step 4: core cross-section.
    const std::optional<double> k = CoefficientFor(ReadField(store, F::kP));
    if (k) {
      WriteFormatted(store, F::kS, Mul(*k, Sqrt(ReadField(store, F::kP))),
                     Pattern::kOneDecimal);
    }
    // Step 5: stack thickness, S in cm² to mm², Kc = 0.9.
    if (IsEmptyField(store, F::kTongueWidth)) {
      WriteWhole(store, F::kStackThickness, 0);
    } else {
      const double s = ReadField(store, F::kS);
      const double a = ReadField(store, F::kTongueWidth);
      WriteFormatted(store, F::kStackThickness,
                     Div(Mul(s, 100), Mul(a, constants::kStackingCoefficient)),
                     Pattern::kOneDecimal);
    }
    // Step 6: primary current.
    if (IsEmptyField(store, F::kU1)) {
      WriteWhole(store, F::kI1, 0);
    } else {
      const double p1_written = ReadField(store, F::kP1);
      const double u1 = ReadField(store, F::kU1);
      WriteFormatted(
          store, F::kI1,
          Mul(Div(p1_written, u1), constants::kPrimaryCurrentAllowance),
          Pattern::kTwoDecimals);
    }
    // Step 7: secondary current.
    if (IsEmptyField(store, F::kU2)) {
      WriteWhole(store, F::kI2, 0);
    } else {
      const double p2_again = ReadField(store, F::kP2);
      const double u2 = ReadField(store, F::kU2);
      WriteFormatted(store, F::kI2, Div(p2_again, u2), Pattern::kTwoDecimals);
    }
  }
  // Step 8: turns per volt, Bm = 10000 gauss.
  if (Mul(ReadField(store, F::kS), constants::kFluxDensityGauss) == 0) {
    WriteWhole(store, F::kN0, 0);
  } else {
    WriteFormatted(
        store, F::kN0,
        Div(constants::kTurnsPerVoltNumerator,
            Mul(ReadField(store, F::kS), constants::kFluxDensityGauss)),
        Pattern::kTwoDecimals);
  }
  // Step 9: primary turns, two more than the rounded product (16-bit sum).
  if (IsEmptyField(store, F::kU1)) {
    WriteWhole(store, F::kN1, 0);
    store.ShowMessage(kMessageEnterInputVoltage);
  } else {
    const double n0 = ReadField(store, F::kN0);
    const double u1 = ReadField(store, F::kU1);
    const int sum = RoundToInt16(Mul(n0, u1)) + constants::kExtraPrimaryTurns;
    if (sum > 32767) throw ArithmeticFault();
    WriteWhole(store, F::kN1, sum);
  }
  // Step 10: secondary turns; a missing U2 ends the run.
  if (IsEmptyField(store, F::kU2)) {
    WriteWhole(store, F::kN2, 0);
    store.ShowMessage(kMessageEnterOutputVoltage);
    throw EndOfRun();
  }
  {
    const double n0 = ReadField(store, F::kN0);
    const double u2 = ReadField(store, F::kU2);
    WriteWhole(
        store, F::kN2,
        RoundToInt16(Mul(Mul(n0, u2), constants::kSecondaryTurnsAllowance)));
  }
  // Steps 11 and 12: wire diameters.
  WriteFormatted(
      store, F::kD1,
      Mul(Sqrt(ReadField(store, F::kI1)), constants::kWireDiameterFactor),
      Pattern::kTwoDecimals);
  WriteFormatted(
      store, F::kD2,
      Mul(Sqrt(ReadField(store, F::kI2)), constants::kWireDiameterFactor),
      Pattern::kTwoDecimals);
  // Step 13.
  CalculateBuildUp(store);
}

}  // namespace

std::optional<double> EfficiencyFor(double p2) {
  const double t = Mul(10, p2);
  if (p2 > 0 && t < 100) return 0.6;
  if (t >= 100 && t <= 300) return 0.7;
  if (t > 300 && t <= 800) return 0.8;
  if (t > 800 && t <= 2000) return 0.85;
  if (t > 2000 && t <= 4000) return 0.9;
  if (t > 4000) return 0.95;
  return std::nullopt;
}

std::optional<double> CoefficientFor(double p) {
  if (p > 0 && p < 10) return 2;
  if (p >= 10 && p <= 50) return 1.75;
  if (p > 50 && p <= 500) return 1.25;
  if (p > 500 && p <= 1000) return 1.2;
  return std::nullopt;
}

void CalculateDesign(FieldStore& store) {
  try {
    Run(store);
  } catch (const EndOfRun&) {
    // U2 was missing: its message has been shown, nothing more to do.
  } catch (const TypeMismatch&) {
    // Emptying P2 runs a nested calculation before the message appears.
    store.SetText(Field::kP2, "");
    store.ShowMessage(kMessageEnterNumber);
  } catch (const ArithmeticFault&) {
    // The run just ends; fields written so far keep their new texts.
  }
}

}  // namespace spulix
