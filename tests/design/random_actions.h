// SPDX-License-Identifier: GPL-3.0-or-later
// The user's actions on the engine, one at a time, for the drivers that run
// them at random: the property test picks them from a seeded generator, the
// engine fuzzer from its bytes.
#ifndef SPULIX_TESTS_DESIGN_RANDOM_ACTIONS_H_
#define SPULIX_TESTS_DESIGN_RANDOM_ACTIONS_H_

#include <string>

#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "tests/design/checking_store.h"

namespace spulix {

enum class EngineAction {
  kSet,          // the text replaces the field's
  kType,         // the text typed into the field, one byte at a time
  kErase,        // Backspace once
  kDoubleClick,  // on the field
  kFitCheck,     // then the buttons, in DesignButton's order
  kTest,
  kRefresh,
  kClear,
};
inline constexpr int kEngineActionCount = 8;
static_assert(static_cast<int>(EngineAction::kClear) -
                  static_cast<int>(EngineAction::kFitCheck) ==
              static_cast<int>(DesignButton::kClear));

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
  if (action == EngineAction::kDoubleClick) {
    OnFieldDoubleClicked(store, field);
  } else {
    PressDesignButton(
        store, store.choices(),
        static_cast<DesignButton>(static_cast<int>(action) -
                                  static_cast<int>(EngineAction::kFitCheck)));
  }
  store.set_engine(false);
}

}  // namespace spulix

#endif  // SPULIX_TESTS_DESIGN_RANDOM_ACTIONS_H_
