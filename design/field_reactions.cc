// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/field_reactions.h"

#include "design/design_calculation.h"
#include "design/transformer_design.h"
#include "design/winding_build_up.h"

namespace spulix {

void OnFieldChanged(FieldStore& store, Field field) {
  switch (field) {
    case Field::kP2:
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
  if (field == Field::kD1) Text16_DblClick(store);
  if (field == Field::kD2) Text17_DblClick(store);
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
      !IsEmptyField(store, Field::kS)) {
    try {
      const double s = ReadFieldLenient(store, Field::kS);
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
  WriteWhole(store, Field::kU1, 220);
  WriteWhole(store, Field::kU2, 36);
  WriteGeneral(store, Field::kWindowHeight, 61.5);
  WriteWhole(store, Field::kWindowWidth, 22);
  WriteWhole(store, Field::kTongueWidth, 35);
  WriteWhole(store, Field::kP2, 250);
  WriteGeneral(store, Field::kR1, 0.17);
  WriteGeneral(store, Field::kF1, 0.05);
  WriteGeneral(store, Field::kR2, 0.05);
  WriteGeneral(store, Field::kF2, 0.12);
}

void ClearDesign(FieldStore& store) {
  static constexpr Field kOrder[] = {
      Field::kP2,
      Field::kP1,
      Field::kP,
      Field::kS,
      Field::kWindowHeight,
      Field::kWindowWidth,
      Field::kTongueWidth,
      Field::kStackThickness,
      Field::kN0,
      Field::kU1,
      Field::kU2,
      Field::kN1,
      Field::kN2,
      Field::kI1,
      Field::kI2,
      Field::kD1,
      Field::kD2,
      Field::kEffectiveHeight,
      Field::kCoilThickness,
      Field::kH2,
      Field::kM2,
      Field::kTurnsPerLayer2,
      Field::kH1,
      Field::kM1,
      Field::kTurnsPerLayer1,
      Field::kF1,
      Field::kR1,
      Field::kR2,
      Field::kF2,
  };
  for (Field field : kOrder) store.SetText(field, "");
  store.SetCaption(Caption::kStatus, kClearedStatus);
}

}  // namespace spulix
