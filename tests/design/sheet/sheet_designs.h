// SPDX-License-Identifier: GPL-3.0-or-later
// Winding sheets of the kinds a drawing or a load curve must handle: one
// secondary, a centre-tapped one, parallel strands, several secondaries.
#ifndef SPULIX_TESTS_DESIGN_SHEET_SHEET_DESIGNS_H_
#define SPULIX_TESTS_DESIGN_SHEET_SHEET_DESIGNS_H_

#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "design/memory_store.h"
#include "design/sheet/winding_sheet.h"
#include "tests/design/store_helpers.h"

namespace spulix::testing_support {

inline const std::vector<std::string>& SheetDesignNames() {
  static const std::vector<std::string> names = {
      "single", "centre_tapped", "stranded", "extras", "five", "bare"};
  return names;
}

// The fields and choices of a named design.
struct SheetDesignInput {
  FieldTexts texts;
  SheetChoices choices;
};

inline SheetDesignInput SheetDesignInputOf(const std::string& name) {
  const Texts sample = {{"U1", "220"},  {"U2", "36"},   {"h", "61.5"},
                        {"c", "22"},    {"a", "35"},    {"r1", "0.17"},
                        {"f1", "0.05"}, {"r2", "0.05"}, {"f2", "0.12"},
                        {"P2", "250"}};
  // No insulation given: every layer touches the next.
  const Texts bare = {{"U1", "220"}, {"U2", "24"}, {"h", "48"},
                      {"c", "16"},   {"a", "32"},  {"P2", "100"}};
  // A secondary too thick for one wire; its coil fits.
  const Texts stranded = {{"U1", "220"}, {"U2", "12"},  {"h", "66.6"},
                          {"c", "22.2"}, {"a", "44.4"}, {"P2", "300"}};
  Texts texts = sample;
  SheetChoices choices;
  if (name == "centre_tapped") {
    choices = Choices({}, true);
  } else if (name == "stranded") {
    texts = stranded;
  } else if (name == "extras") {
    choices = Choices({{"6.3", "2", false}, {"12", "1", true}});
  } else if (name == "five") {
    choices = Choices(
        {{"6.3", "2", false}, {"12", "1", true}, {"5", "0.5", false}}, true);
  } else if (name == "bare") {
    texts = bare;
  } else if (name != "single") {
    throw std::invalid_argument("no sheet design " + name);
  }
  MemoryStore store;
  SetAll(store, texts);
  return {CopyTexts(store), choices};
}

// The sheet of the named design; throws where it has none.
inline WindingSheet SheetDesign(const std::string& name) {
  const SheetDesignInput input = SheetDesignInputOf(name);
  SheetOutcome outcome = ComputeWindingSheet(input.texts, input.choices);
  if (auto* sheet = std::get_if<WindingSheet>(&outcome)) return *sheet;
  throw std::runtime_error("no sheet for " + name + ": " +
                           Compose(std::get<UserText>(outcome)));
}

}  // namespace spulix::testing_support

#endif  // SPULIX_TESTS_DESIGN_SHEET_SHEET_DESIGNS_H_
