// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for building designs in the engine tests.
#ifndef SPULIX_TESTS_DESIGN_STORE_HELPERS_H_
#define SPULIX_TESTS_DESIGN_STORE_HELPERS_H_

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "design/design.h"
#include "design/memory_store.h"
#include "design/transformer_design.h"

namespace spulix::testing_support {

using Texts = std::vector<std::pair<std::string, std::string>>;

// A field by symbol ("h'") or control name ("Text4").
inline Field Named(const std::string& name) {
  if (auto field = FieldBySymbol(name)) return *field;
  if (auto field = FieldByControlName(name)) return *field;
  throw std::invalid_argument("no field named " + name);
}

// Sheet choices with these extra secondaries, 次级1's centre tap and grades.
inline SheetChoices Choices(std::vector<Secondary> extras,
                            bool center_tap = false, int enamel_grade = 2,
                            std::string steel = kDefaultSteelGrade) {
  SheetChoices choices;
  choices.enamel_grade = enamel_grade;
  choices.steel = std::move(steel);
  choices.secondaries.main().center_tap = center_tap;
  choices.secondaries.SetExtras(std::move(extras));
  return choices;
}

// Sets fields in the order given (each change runs its reaction).
inline void SetAll(MemoryStore& store, const Texts& texts) {
  for (const auto& [name, text] : texts) store.SetText(Named(name), text);
}

inline std::string Get(const MemoryStore& store, const std::string& name) {
  return store.Text(Named(name));
}

using Messages = std::vector<std::string>;

}  // namespace spulix::testing_support

#endif  // SPULIX_TESTS_DESIGN_STORE_HELPERS_H_
