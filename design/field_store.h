// SPDX-License-Identifier: GPL-3.0-or-later
// The store of field texts that every calculation works on: the window's
// text fields in the program, an in-memory store in the tool and the tests.
#ifndef SPULIX_DESIGN_FIELD_STORE_H_
#define SPULIX_DESIGN_FIELD_STORE_H_

#include <string>
#include <string_view>

namespace spulix {

inline constexpr int kFieldCount = 29;

// One enumerator per text field; the value is the control number (Text1..29).
enum class Field : int {
  kP2 = 1,                // Text1  output power
  kP1 = 2,                // Text2  input power
  kP = 3,                 // Text3  rated power
  kS = 4,                 // Text4  core cross-section
  kWindowHeight = 5,      // Text5  h
  kWindowWidth = 6,       // Text6  c
  kTongueWidth = 7,       // Text7  a
  kStackThickness = 8,    // Text8  b
  kN0 = 9,                // Text9  turns per volt
  kU1 = 10,               // Text10 input voltage
  kU2 = 11,               // Text11 output voltage
  kN1 = 12,               // Text12 primary turns
  kN2 = 13,               // Text13 secondary turns
  kI1 = 14,               // Text14 primary current
  kI2 = 15,               // Text15 secondary current
  kD1 = 16,               // Text16 primary wire diameter
  kD2 = 17,               // Text17 secondary wire diameter
  kEffectiveHeight = 18,  // Text18 h'
  kCoilThickness = 19,    // Text19 H
  kH2 = 20,               // Text20 secondary winding thickness
  kM2 = 21,               // Text21 secondary layers
  kTurnsPerLayer2 = 22,   // Text22 n2'
  kH1 = 23,               // Text23 primary winding thickness
  kM1 = 24,               // Text24 primary layers
  kTurnsPerLayer1 = 25,   // Text25 n1'
  kR1 = 26,               // Text26 primary outer insulation
  kF1 = 27,               // Text27 primary interlayer insulation
  kF2 = 28,               // Text28 secondary interlayer insulation
  kR2 = 29,               // Text29 secondary outer insulation
};

inline constexpr int ControlNumber(Field field) {
  return static_cast<int>(field);
}
inline constexpr Field FieldFromNumber(int number) {
  return static_cast<Field>(number);
}

// Labels whose captions the engine writes.
enum class Caption : int {
  kStatus = 33,        // Label33, the status line
  kWidthFigure = 66,   // Label66, c on the core diagram
  kTongueFigure = 67,  // Label67, a on the core diagram
  kHeightFigure = 68,  // Label68, h on the core diagram
};

// 29 named texts with change reactions, diagram captions and modal messages.
//
// Contract for implementers: SetText on a text that differs from the current
// one stores it and then runs OnFieldChanged (field_reactions.h) before it
// returns, so reactions nest inside the operation that set the text. Setting
// the text a field already holds does nothing. ShowMessage blocks until the
// user has dismissed the message (one OK button, title "Spulix").
class FieldStore {
 public:
  virtual ~FieldStore() = default;

  virtual std::string Text(Field field) const = 0;
  // Returns true when the text changed (and the reaction ran).
  virtual bool SetText(Field field, std::string_view text) = 0;

  virtual std::string CaptionText(Caption caption) const = 0;
  virtual void SetCaption(Caption caption, std::string_view text) = 0;

  virtual void ShowMessage(std::string_view text) = 0;
};

}  // namespace spulix

#endif  // SPULIX_DESIGN_FIELD_STORE_H_
