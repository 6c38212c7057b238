// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers the winding sheet reads from a design's texts, and the one
// way it stops: a single line naming what is missing or wrong, never a
// number made up. The sheet's own modules share them; nothing else should.
#ifndef SPULIX_DESIGN_SHEET_SHEET_NUMBERS_H_
#define SPULIX_DESIGN_SHEET_SHEET_NUMBERS_H_

#include <optional>
#include <string>
#include <utility>

#include "design/field_texts.h"
#include "design/transformer_design.h"
#include "design/user_text.h"

namespace spulix::sheet {

inline constexpr TextContext kWindingSheetTexts{"WindingSheet"};

// Counts beyond this are a design out of any sensible range.
inline constexpr double kMaxCount = 1e7;

// Why the sheet stops: the one line it shows instead of numbers.
struct CannotCompute {
  UserText reason;
};

[[noreturn]] inline void Stop(UserText reason) {
  throw CannotCompute{std::move(reason)};
}

// "%1 超出范围": `what` names the value, with the value where it is a
// number.
UserText OutOfRange(const UserText& what);
// A value the sheet works out, by its name: "磁通密度".
UserText Quantity(const char* name);
UserText Figure(int value);
// "U1（输入电压）"
UserText Named(Field field);

enum class Need { kPositive, kNotNegative, kAnyNumber };
enum class Source { kTyped, kCalculated };

// Stops where the text is empty, no number or not what `need` asks.
void CheckNumber(const std::string& text, const std::optional<double>& value,
                 const UserText& name, Source source, Need need);

// A number the sheet needs from a text, or the reason it cannot have it.
// `name` gives the text's name for the reason, built only when needed.
template <typename NameFn>
double Number(const std::string& text, NameFn name, Source source, Need need) {
  const std::optional<double> value =
      IsEmptyText(text) ? std::nullopt : ReadStrictOrNone(text);
  if (!value || (need == Need::kPositive && !(*value > 0)) ||
      (need == Need::kNotNegative && *value < 0)) {
    CheckNumber(text, value, name(), source, need);
  }
  return *value;
}

// A field the user types.
double Input(const FieldTexts& design, Field field,
             Need need = Need::kPositive);
// A field the calculation writes.
double CalculatedNumber(const FieldTexts& design, Field field,
                        Need need = Need::kPositive);
// A count within the range the sheet works in.
int Count(double value, const UserText& what);
// Zero turns pass here: the winding then names itself.
int Turns(const FieldTexts& design, Field field);

// The largest whole P2 whose rated power the calculation has a core
// section for (its table ends at 1000 W of rated power).
int LargestOutputPower();
// Where the calculation ran without P2 (emptied for a rated power beyond
// that table, or never typed), stops asking for P2 with the limit named.
void StopAtPowerLimit(const FieldTexts& design);

}  // namespace spulix::sheet

#endif  // SPULIX_DESIGN_SHEET_SHEET_NUMBERS_H_
