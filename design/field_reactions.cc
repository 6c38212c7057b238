// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/field_reactions.h"

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/transformer_design.h"
#include "design/winding_build_up.h"

namespace spulix {

void OnFieldChanged(FieldStore& store, Field field) {
  switch (field) {
    case Field::kOutputPower:
      Text1_Change(store);
      break;
    case Field::kWindowHeight:
      Text5_Change(store);
      break;
    case Field::kWindowWidth:
      Text6_Change(store);
      break;
    case Field::kTongueWidth:
      Text7_Change(store);
      break;
    default:
      break;  // the other fields have no change reaction
  }
}

void OnFieldDoubleClicked(FieldStore& store, Field field) {
  if (field == Field::kPrimaryWireDiameter) Text16_DblClick(store);
  if (field == Field::kSecondaryWireDiameter) Text17_DblClick(store);
}

void Text1_Change(FieldStore& store) { CalculateDesign(store); }

void Text5_Change(FieldStore& store) {
  store.SetCaption(Caption::kHeightFigure, store.Text(Field::kWindowHeight));
}

void Text6_Change(FieldStore& store) {
  store.SetCaption(Caption::kWidthFigure, store.Text(Field::kWindowWidth));
}

void Text7_Change(FieldStore& store) {
  store.SetCaption(Caption::kTongueFigure, store.Text(Field::kTongueWidth));
  // b as a whole number from the lenient readings. A zero a (also the first
  // keystroke of "0.5"), an overflow or any other arithmetic failure gives 0.
  std::int64_t b = 0;
  if (!IsEmptyField(store, Field::kTongueWidth) &&
      !IsEmptyField(store, Field::kCoreSection)) {
    try {
      const double s = ReadFieldLenient(store, Field::kCoreSection);
      const double a = ReadFieldLenient(store, Field::kTongueWidth);
      b = RoundToInt32(
          Div(Mul(s, 100), Mul(a, constants::kStackingCoefficient)));
    } catch (const ArithmeticFault&) {
      b = 0;
    }
  }
  WriteWhole(store, Field::kStackThickness, b);
}

void Text16_DblClick(FieldStore& store) { RecalculateBuildUp(store); }
void Text17_DblClick(FieldStore& store) { RecalculateBuildUp(store); }

void Command9_Click(FieldStore& store) {
  WriteWhole(store, Field::kInputVoltage, 220);
  WriteWhole(store, Field::kOutputVoltage, 36);
  WriteGeneral(store, Field::kWindowHeight, 61.5);
  WriteWhole(store, Field::kWindowWidth, 22);
  WriteWhole(store, Field::kTongueWidth, 35);
  WriteWhole(store, Field::kOutputPower, 250);
  WriteGeneral(store, Field::kPrimaryOuterInsulation, 0.17);
  WriteGeneral(store, Field::kPrimaryInterlayerInsulation, 0.05);
  WriteGeneral(store, Field::kSecondaryOuterInsulation, 0.05);
  WriteGeneral(store, Field::kSecondaryInterlayerInsulation, 0.12);
}

void ClearFields(FieldStore& store) {
  static constexpr Field kOrder[] = {
      Field::kOutputPower,
      Field::kInputPower,
      Field::kRatedPower,
      Field::kCoreSection,
      Field::kWindowHeight,
      Field::kWindowWidth,
      Field::kTongueWidth,
      Field::kStackThickness,
      Field::kTurnsPerVolt,
      Field::kInputVoltage,
      Field::kOutputVoltage,
      Field::kPrimaryTurns,
      Field::kSecondaryTurns,
      Field::kPrimaryCurrent,
      Field::kSecondaryCurrent,
      Field::kPrimaryWireDiameter,
      Field::kSecondaryWireDiameter,
      Field::kEffectiveHeight,
      Field::kCoilThickness,
      Field::kSecondaryThickness,
      Field::kSecondaryLayers,
      Field::kSecondaryTurnsPerLayer,
      Field::kPrimaryThickness,
      Field::kPrimaryLayers,
      Field::kPrimaryTurnsPerLayer,
      // The insulation fields go in the order the window has always used,
      // f1 before r1 and r2 before f2, not by control number. They have no
      // change reaction, so nothing on screen depends on it, but a store
      // that watches its writes sees the order; it stays as users know it.
      Field::kPrimaryInterlayerInsulation,
      Field::kPrimaryOuterInsulation,
      Field::kSecondaryOuterInsulation,
      Field::kSecondaryInterlayerInsulation,
  };
  for (Field field : kOrder) store.SetText(field, "");
  store.SetCaption(Caption::kStatus, kClearedStatus);
}

}  // namespace spulix
