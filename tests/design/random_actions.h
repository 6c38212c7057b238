// SPDX-License-Identifier: GPL-3.0-or-later
// The user's actions on the engine, one at a time, for the drivers that run
// them at random: the property test picks them from a seeded generator, the
// engine fuzzer from its bytes.
#ifndef SPULIX_TESTS_DESIGN_RANDOM_ACTIONS_H_
#define SPULIX_TESTS_DESIGN_RANDOM_ACTIONS_H_

#include <string>

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "tests/design/checking_store.h"

namespace spulix {

enum class EngineAction {
  kSet,          // the text replaces the field's
  kType,         // the text typed into the field, one byte at a time
  kErase,        // Backspace once
  kDoubleClick,  // on the field
  kFitCheck,     // Command5
  kCalculate,    // Refresh
  kTestButton,   // Command9
  kClear,
};
inline constexpr int kEngineActionCount = 8;

// Runs one action; the reactions it starts write as the engine.
inline void RunEngineAction(CheckingStore& store, EngineAction action,
                            Field field, const std::string& text) {
  switch (action) {
    case EngineAction::kSet:
      store.SetText(field, text);
      return;
    case EngineAction::kType:
      for (char c : text) store.SetText(field, store.Text(field) + c);
      return;
    case EngineAction::kErase: {
      std::string current = store.Text(field);
      if (!current.empty()) current.pop_back();
      store.SetText(field, current);
      return;
    }
    default:
      break;
  }
  store.set_engine(true);
  switch (action) {
    case EngineAction::kDoubleClick:
      OnFieldDoubleClicked(store, field);
      break;
    case EngineAction::kFitCheck:
      Command5_Click(store);
      break;
    case EngineAction::kCalculate:
      CalculateDesign(store);
      break;
    case EngineAction::kTestButton:
      Command9_Click(store);
      break;
    case EngineAction::kClear:
      ClearDesign(store);
      break;
    default:
      break;
  }
  store.set_engine(false);
}

}  // namespace spulix

#endif  // SPULIX_TESTS_DESIGN_RANDOM_ACTIONS_H_
