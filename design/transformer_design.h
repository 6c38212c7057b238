// SPDX-License-Identifier: GPL-3.0-or-later
// The design record of one transformer: 29 field texts, their catalogue, the
// fixed design constants and the operations that read and write field texts.
//
// Every quantity lives only as text. Calculations read texts, compute in
// double precision and write text back, so display rounding is carried into
// every later step. Nothing here depends on a window toolkit.
#ifndef SPULIX_DESIGN_TRANSFORMER_DESIGN_H_
#define SPULIX_DESIGN_TRANSFORMER_DESIGN_H_

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "design/field_store.h"
#include "design/user_text.h"

namespace spulix {

// How the window styles a field; also tells which fields the user types.
enum class FieldRole {
  kTypedInput,       // P2, U1, U2, h, c, a
  kInsulationInput,  // r1, f1, r2, f2
  kWireDiameter,     // d1, d2: results the user may overwrite
  kResult,
};

// What the user sees of a field: its names, texts and role. The window
// takes every text from here and adds only geometry and fonts.
struct FieldInfo {
  Field field;
  const char* control;        // "Text1" .. "Text29"
  const char* symbol;         // "P2", "h'", ...
  const char* caption_label;  // "Label1", ...: carries the tool tip
  const char* caption;        // Chinese caption left of the field
  const char* unit_label;     // "Label36", ...
  const char* unit;           // unit text right of the field
  const char* tool_tip;       // nullptr where the caption has none
  FieldRole role;
};

// All 29 fields in control order (Text1 first).
const std::array<FieldInfo, kFieldCount>& Catalogue();
const FieldInfo& InfoOf(Field field);

// The ten inputs first, then the results in the order the calculation
// writes them: the order in which a person reads a design.
const std::array<Field, kFieldCount>& ReadingOrder();
inline constexpr int kInputCount = 10;

// The caption that names the field on its own, outside the window: the
// insulation captions get their winding, the wire diameters "导线线径".
std::string FullCaption(const FieldInfo& info);
// The same, to be translated.
UserText FullCaptionText(const FieldInfo& info);

// Looks up a field by control name ("Text7") or by symbol ("a", "d1").
std::optional<Field> FieldByControlName(std::string_view name);
std::optional<Field> FieldBySymbol(std::string_view symbol);

// Fixed design constants.
namespace constants {
inline constexpr double kStackingCoefficient = 0.9;  // Kc
inline constexpr double kFluxDensityGauss = 10000;   // Bm
inline constexpr double kTurnsPerVoltNumerator = 450000;
inline constexpr int kExtraPrimaryTurns = 2;
inline constexpr double kSecondaryTurnsAllowance = 1.05;
inline constexpr double kPrimaryCurrentAllowance = 1.1;
inline constexpr double kWireDiameterFactor = 0.715;
inline constexpr double kWindowHeightFactor = 0.9;
inline constexpr double kWindowHeightMarginMm = 2;
inline constexpr double kCoilAllowance = 1.1;
inline constexpr double kCoilAllowanceTimesB0 = 1.32;  // 1.1 x B0, B0 = 1.2 mm
inline constexpr double kBobbinWallMm = 1.2;           // B0
}  // namespace constants

// Failure kinds of the field operations.
class FieldFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// A strict reading met an empty, blank or non-numeric text.
class TypeMismatch : public FieldFailure {
 public:
  TypeMismatch() : FieldFailure("type mismatch") {}
};
// Division by zero, 0/0, square root of a negative number, a result beyond
// the double range, or a whole number beyond its 16/32-bit range.
class ArithmeticFault : public FieldFailure {
 public:
  ArithmeticFault() : FieldFailure("arithmetic fault") {}
};

// ---- Reading -------------------------------------------------------------

// True exactly when the text has zero characters (blanks are not empty).
bool IsEmptyText(std::string_view text);

// The whole text must be one decimal number, with blanks (space, tab) around
// it and "," group separators allowed in the integer part after its first
// digit. Throws TypeMismatch otherwise, ArithmeticFault beyond double range.
double ReadStrict(std::string_view text);

// The strict reading, or nothing where it fails (data tables, the sheet's
// texts): for readers that need no failure kind.
std::optional<double> ReadStrictOrNone(std::string_view text);

// Skips blanks anywhere, then takes the longest leading number; never fails.
// A text without a leading number reads 0. A number beyond the double range
// reads as an infinity, which every checked operation below rejects.
double ReadLenient(std::string_view text);

// ---- Writing -------------------------------------------------------------

enum class Pattern { kOneDecimal, kTwoDecimals };  // "#,##0.0", "#,##0.00"

// Pure formatting, also used by the tool and the tests.
std::string FormatPattern(double value, Pattern pattern);
std::string FormatWhole(std::int64_t value);
std::string FormatGeneral(double value);

void WriteFormatted(FieldStore& store, Field field, double value,
                    Pattern pattern);
void WriteWhole(FieldStore& store, Field field, std::int64_t value);
void WriteGeneral(FieldStore& store, Field field, double value);

// Nearest whole number, halves to even; ArithmeticFault outside the range.
std::int16_t RoundToInt16(double value);
std::int32_t RoundToInt32(double value);

// ---- Checked arithmetic --------------------------------------------------
// Double arithmetic that raises ArithmeticFault where the IEEE result would
// be an infinity or a NaN, so that no such value ever reaches a field.

double Mul(double a, double b);
double Div(double a, double b);
double Add(double a, double b);
double Sub(double a, double b);
double Sqrt(double a);

// Reads a field strictly / leniently.
double ReadField(const FieldStore& store, Field field);
double ReadFieldLenient(const FieldStore& store, Field field);
bool IsEmptyField(const FieldStore& store, Field field);

}  // namespace spulix

#endif  // SPULIX_DESIGN_TRANSFORMER_DESIGN_H_
