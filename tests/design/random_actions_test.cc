// SPDX-License-Identifier: GPL-3.0-or-later
// Random texts and random action sequences: no reaction ever throws, and
// every text the engine writes is empty or a number that reads back.
#include "tests/design/random_actions.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "design/transformer_design.h"
#include "tests/design/checking_store.h"

namespace spulix {
namespace {

const std::vector<std::string> kPool = {
    "",      "0",      "1",      "250",     "220",    "36",    "61.5",  "22",
    "35",    "0.17",   "0.05",   "0.12",    "-5",     "1,200", ".5",    "5.",
    "abc",   " ",      "1E400",  "1e300",   "1e-300", "32767", "0.001", "9.99",
    "400.1", "1000",   "1000.5", "-0",      "1e",     "2,,5",  "\t7\t", "99999",
    "１２",  "0.0001", "-1e-5",  "1,022.0", "-.5",    "0.004"};

TEST(RandomActions, NeverThrowAndNeverWriteUnreadableNumbers) {
  std::mt19937 random(8128);
  auto pick = [&](int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(random);
  };
  for (int round = 0; round < 300; ++round) {
    CheckingStore store([](Field field, std::string_view text) {
      ADD_FAILURE() << "engine wrote '" << text << "' into "
                    << InfoOf(field).control;
    });
    for (int step = 0; step < 60; ++step) {
      Field field = FieldFromNumber(1 + pick(kFieldCount));
      const std::string& text =
          kPool[static_cast<std::size_t>(pick(static_cast<int>(kPool.size())))];
      // Mostly typing; Clear rarely, so that designs grow.
      EngineAction action = EngineAction::kSet;
      switch (pick(8)) {
        case 2:
          action = EngineAction::kType;
          break;
        case 3:
          action = EngineAction::kErase;
          break;
        case 4:
          action = EngineAction::kDoubleClick;
          field = pick(2) ? Field::kPrimaryWireDiameter
                          : Field::kSecondaryWireDiameter;
          break;
        case 5:
          action = EngineAction::kFitCheck;
          break;
        case 6:
          action = pick(2) ? EngineAction::kRefresh : EngineAction::kTest;
          break;
        case 7:
          if (pick(4) != 0) continue;
          action = EngineAction::kClear;
          break;
      }
      ASSERT_NO_THROW(RunEngineAction(store, action, field, text));
    }
    ASSERT_EQ(store.bad_writes(), 0) << "round " << round;
  }
}

}  // namespace
}  // namespace spulix
