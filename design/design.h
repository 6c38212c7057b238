// SPDX-License-Identifier: GPL-3.0-or-later
// One design as a value: its 29 field texts, the three figures on the core
// diagram and the winding sheet's choices. The memory store holds one, a
// design file keeps one, and every front-end passes its design on as one.
#ifndef SPULIX_DESIGN_DESIGN_H_
#define SPULIX_DESIGN_DESIGN_H_

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "design/field_store.h"
#include "design/field_texts.h"
#include "design/parts/steel_grades.h"

namespace spulix {

// What a secondary winding feeds: an AC load of its own voltage and
// current, or a rectifier and its reservoir capacitor (桥式, 全波, 正负),
// whose winding voltage and current the sheet finds.
enum class LoadKind { kAc, kBridge, kFullWave, kSplit };
struct SecondaryLoad {
  LoadKind kind = LoadKind::kAc;
  // A DC load's figures as typed (unused for kAc): the mean DC voltage and
  // current wanted, the reservoir in µF (empty: the E6 rule's) and one
  // diode's drop in volts (empty: a silicon diode's).
  std::string udc;
  std::string idc;
  std::string c_uf;
  std::string vf;
  friend bool operator==(const SecondaryLoad&, const SecondaryLoad&) = default;
};

// One secondary winding. 次级1 takes its voltage and current from U2 and P2
// of the fields, so its texts stay empty; an extra secondary keeps what the
// user typed.
struct Secondary {
  Secondary() = default;
  Secondary(std::string voltage, std::string current, bool center_tap = false)
      : voltage(std::move(voltage)),
        current(std::move(current)),
        center_tap(center_tap) {}

  std::string voltage;  // V rms, end to end
  std::string current;  // A rms, of the whole winding
  bool center_tap = false;
  SecondaryLoad load;
  friend bool operator==(const Secondary&, const Secondary&) = default;
};

// The secondaries in winding order: 次级1 always first, then the extras
// (次级2, 次级3, ...).
class Secondaries {
 public:
  Secondaries() : list_(1) {}

  Secondary& main() { return list_.front(); }
  const Secondary& main() const { return list_.front(); }
  std::span<Secondary> extras() { return std::span(list_).subspan(1); }
  std::span<const Secondary> extras() const {
    return std::span(list_).subspan(1);
  }
  void SetExtras(std::vector<Secondary> extras);
  void AddExtra(Secondary extra) { list_.push_back(std::move(extra)); }
  // Removes the extra at `index` (0 for 次级2), if there is one.
  void RemoveExtra(std::size_t index);
  // Every secondary, 次级1 first.
  std::span<const Secondary> all() const { return list_; }
  std::size_t size() const { return list_.size(); }

  friend bool operator==(const Secondaries&, const Secondaries&) = default;

 private:
  std::vector<Secondary> list_;
};

// What the winding sheet needs beyond the fields.
struct SheetChoices {
  int enamel_grade = 2;  // 1 thin film, 2 thick film (the safe guess)
  std::string steel = kDefaultSteelGrade;
  Secondaries secondaries;
  // The stack as built (实际迭厚, mm) as typed; empty: the calculated b.
  std::string stack_mm;
  // Each secondary gets the fewest turns whose full-load voltage reaches
  // its U (按满载电压定匝数), instead of the calculation's 5 % more turns.
  bool full_load_turns = false;
  friend bool operator==(const SheetChoices&, const SheetChoices&) = default;
};

// What Clear leaves of the choices: 次级1 alone, without its centre tap,
// feeding an AC load, on the calculated stack; the enamel and steel grades
// and the way turns are counted stay, being the user's habits rather than
// the design's.
void ClearSheetChoices(SheetChoices& choices);

// The diagram figures a design keeps, in the order they are written.
inline constexpr std::array<Caption, 3> kDesignFigures = {
    Caption::kWidthFigure, Caption::kTongueFigure, Caption::kHeightFigure};

struct Design {
  FieldTexts texts;
  std::array<std::string, kDesignFigures.size()> figures;
  SheetChoices sheet;
  friend bool operator==(const Design&, const Design&) = default;
};

// The store's texts and figures as they stand, with these choices.
Design CaptureDesign(const FieldStore& store, const SheetChoices& choices = {});

// Puts a design's texts and figures into a store without running any change
// reaction, so the store shows exactly what was saved (a design saved right
// after the test button still shows the H of that first run); the choices
// go to whoever holds them. The store must offer RestoreText(Field,
// std::string_view), which sets a text quietly.
template <typename Store>
void RestoreDesign(Store& store, const Design& design) {
  for (int number = 1; number <= kFieldCount; ++number) {
    const Field field = FieldFromNumber(number);
    store.RestoreText(field, design.texts[field]);
  }
  for (std::size_t i = 0; i < kDesignFigures.size(); ++i) {
    store.SetCaption(kDesignFigures[i], design.figures[i]);
  }
}

}  // namespace spulix

#endif  // SPULIX_DESIGN_DESIGN_H_
