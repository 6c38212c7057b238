// SPDX-License-Identifier: GPL-3.0-or-later
// The store of field texts that every calculation works on: the window's
// text fields in the program, an in-memory store in the tool and the tests.
#ifndef SPULIX_DESIGN_FIELD_STORE_H_
#define SPULIX_DESIGN_FIELD_STORE_H_

#include <string>
#include <string_view>

namespace spulix {

inline constexpr int kFieldCount = 29;

// One enumerator per text field, named after its quantity; the value is the
// control number (Text1..29), the comment the symbol the window shows.
enum class Field : int {
  kOutputPower = 1,                     // P2
  kInputPower = 2,                      // P1
  kRatedPower = 3,                      // P
  kCoreSection = 4,                     // S
  kWindowHeight = 5,                    // h
  kWindowWidth = 6,                     // c
  kTongueWidth = 7,                     // a
  kStackThickness = 8,                  // b
  kTurnsPerVolt = 9,                    // N0
  kInputVoltage = 10,                   // U1
  kOutputVoltage = 11,                  // U2
  kPrimaryTurns = 12,                   // N1
  kSecondaryTurns = 13,                 // N2
  kPrimaryCurrent = 14,                 // I1
  kSecondaryCurrent = 15,               // I2
  kPrimaryWireDiameter = 16,            // d1
  kSecondaryWireDiameter = 17,          // d2
  kEffectiveHeight = 18,                // h'
  kCoilThickness = 19,                  // H
  kSecondaryThickness = 20,             // H2
  kSecondaryLayers = 21,                // m2
  kSecondaryTurnsPerLayer = 22,         // n2'
  kPrimaryThickness = 23,               // H1
  kPrimaryLayers = 24,                  // m1
  kPrimaryTurnsPerLayer = 25,           // n1'
  kPrimaryOuterInsulation = 26,         // r1
  kPrimaryInterlayerInsulation = 27,    // f1
  kSecondaryInterlayerInsulation = 28,  // f2
  kSecondaryOuterInsulation = 29,       // r2
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
