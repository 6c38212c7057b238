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
  if (IsEmptyField(store, F::kOutputPower)) {
    WriteWhole(store, F::kInputPower, 0);
    WriteWhole(store, F::kRatedPower, 0);
    WriteWhole(store, F::kCoreSection, 0);
    WriteWhole(store, F::kPrimaryCurrent, 0);
    WriteWhole(store, F::kSecondaryCurrent, 0);
  } else {
    // Step 2: efficiency chosen on the strict reading, P1 from the lenient.
    const std::optional<double> efficiency =
        EfficiencyFor(ReadField(store, F::kOutputPower));
    if (efficiency) {
      WriteWhole(
          store, F::kInputPower,
          InputPowerFor(ReadFieldLenient(store, F::kOutputPower), *efficiency));
    }
    // Step 3: rated power from the written P1.
    const double p1 = ReadField(store, F::kInputPower);
    const double p2 = ReadField(store, F::kOutputPower);
    WriteGeneral(store, F::kRatedPower, RatedPowerFor(p1, p2));
    // Step 4: core cross-section.
    const std::optional<double> k =
        CoefficientFor(ReadField(store, F::kRatedPower));
    if (k) {
      WriteFormatted(store, F::kCoreSection,
                     Mul(*k, Sqrt(ReadField(store, F::kRatedPower))),
                     Pattern::kOneDecimal);
    }
    // Step 5: stack thickness, S in cm² to mm², Kc = 0.9.
    if (IsEmptyField(store, F::kTongueWidth)) {
      WriteWhole(store, F::kStackThickness, 0);
    } else {
      const double s = ReadField(store, F::kCoreSection);
      const double a = ReadField(store, F::kTongueWidth);
      WriteFormatted(store, F::kStackThickness,
                     Div(Mul(s, 100), Mul(a, constants::kStackingCoefficient)),
                     Pattern::kOneDecimal);
    }
    // Step 6: primary current.
    if (IsEmptyField(store, F::kInputVoltage)) {
      WriteWhole(store, F::kPrimaryCurrent, 0);
    } else {
      const double p1_written = ReadField(store, F::kInputPower);
      const double u1 = ReadField(store, F::kInputVoltage);
      WriteFormatted(
          store, F::kPrimaryCurrent,
          Mul(Div(p1_written, u1), constants::kPrimaryCurrentAllowance),
          Pattern::kTwoDecimals);
    }
    // Step 7: secondary current.
    if (IsEmptyField(store, F::kOutputVoltage)) {
      WriteWhole(store, F::kSecondaryCurrent, 0);
    } else {
      const double p2_again = ReadField(store, F::kOutputPower);
      const double u2 = ReadField(store, F::kOutputVoltage);
      WriteFormatted(store, F::kSecondaryCurrent, Div(p2_again, u2),
                     Pattern::kTwoDecimals);
    }
  }
  // Step 8: turns per volt, Bm = 10000 gauss.
  if (Mul(ReadField(store, F::kCoreSection), constants::kFluxDensityGauss) ==
      0) {
    WriteWhole(store, F::kTurnsPerVolt, 0);
  } else {
    WriteFormatted(store, F::kTurnsPerVolt,
                   Div(constants::kTurnsPerVoltNumerator,
                       Mul(ReadField(store, F::kCoreSection),
                           constants::kFluxDensityGauss)),
                   Pattern::kTwoDecimals);
  }
  // Step 9: primary turns, two more than the rounded product (16-bit sum).
  if (IsEmptyField(store, F::kInputVoltage)) {
    WriteWhole(store, F::kPrimaryTurns, 0);
    store.ShowMessage(kMessageEnterInputVoltage);
  } else {
    const double n0 = ReadField(store, F::kTurnsPerVolt);
    const double u1 = ReadField(store, F::kInputVoltage);
    const int sum = RoundToInt16(Mul(n0, u1)) + constants::kExtraPrimaryTurns;
    if (sum > 32767) throw ArithmeticFault();
    WriteWhole(store, F::kPrimaryTurns, sum);
  }
  // Step 10: secondary turns; a missing U2 ends the run.
  if (IsEmptyField(store, F::kOutputVoltage)) {
    WriteWhole(store, F::kSecondaryTurns, 0);
    store.ShowMessage(kMessageEnterOutputVoltage);
    throw EndOfRun();
  }
  {
    const double n0 = ReadField(store, F::kTurnsPerVolt);
    const double u2 = ReadField(store, F::kOutputVoltage);
    WriteWhole(store, F::kSecondaryTurns, SecondaryTurnsFor(n0, u2));
  }
  // Steps 11 and 12: wire diameters.
  store.SetText(F::kPrimaryWireDiameter,
                WireDiameterFor(ReadField(store, F::kPrimaryCurrent)));
  store.SetText(F::kSecondaryWireDiameter,
                WireDiameterFor(ReadField(store, F::kSecondaryCurrent)));
  // Step 13.
  CalculateBuildUp(store);
}

}  // namespace

std::int32_t InputPowerFor(double p2, double efficiency) {
  return RoundToInt32(Div(p2, efficiency));
}

double RatedPowerFor(double p1, double p2) {
  return Add(Div(p1, 2), Div(p2, 2));
}

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

int SecondaryTurnsFor(double turns_per_volt, double volts, bool center_tapped) {
  const double turns =
      Mul(Mul(turns_per_volt, volts), constants::kSecondaryTurnsAllowance);
  if (!center_tapped) return RoundToInt16(turns);
  return 2 * RoundToInt16(Div(turns, 2));
}

std::string WireDiameterFor(double current_a) {
  return FormatPattern(Mul(Sqrt(current_a), constants::kWireDiameterFactor),
                       Pattern::kTwoDecimals);
}

void CalculateDesign(FieldStore& store) {
  try {
    Run(store);
  } catch (const EndOfRun&) {
    // U2 was missing: its message has been shown, nothing more to do.
  } catch (const TypeMismatch&) {
    // Emptying P2 runs a nested calculation before the message appears.
    store.SetText(Field::kOutputPower, "");
    store.ShowMessage(kMessageEnterNumber);
  } catch (const ArithmeticFault&) {
    // The run just ends; fields written so far keep their new texts.
  }
}

UserText MessageText(std::string_view message) {
  return {"DesignMessage", std::string(message), {}};
}

UserText CalculationNotice(const std::vector<std::string>& messages) {
  std::vector<UserText> texts;
  for (const std::string& message : messages) {
    texts.push_back(MessageText(message));
  }
  const UserText separator =
      Marked("DesignMessage", SPULIX_TEXT("DesignMessage", "；"));
  return Marked("DesignMessage", SPULIX_TEXT("DesignMessage", "计算提示：%1"),
                {Joined(texts, separator)});
}

}  // namespace spulix
