// SPDX-License-Identifier: GPL-3.0-or-later
// Random texts and random action sequences: no reaction ever throws, and
// every text the engine writes is empty or a number that reads back.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/transformer_design.h"
#include "design/winding_build_up.h"
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
      const Field field = FieldFromNumber(1 + pick(kFieldCount));
      const std::string& text =
          kPool[static_cast<std::size_t>(pick(static_cast<int>(kPool.size())))];
      ASSERT_NO_THROW({
        switch (pick(8)) {
          case 0:
          case 1:
            store.SetText(field, text);
            break;
          case 2:
            for (char c : text) store.SetText(field, store.Text(field) + c);
            break;
          case 3: {
            std::string current = store.Text(field);
            if (!current.empty()) current.pop_back();
            store.SetText(field, current);
            break;
          }
          case 4:
            store.set_engine(true);
            OnFieldDoubleClicked(store, pick(2) ? Field::kD1 : Field::kD2);
            store.set_engine(false);
            break;
          case 5:
            store.set_engine(true);
            Command5_Click(store);
            store.set_engine(false);
            break;
          case 6:
            store.set_engine(true);
            if (pick(2)) {
              CalculateDesign(store);
            } else {
              Command9_Click(store);
            }
            store.set_engine(false);
            break;
          case 7:
            store.set_engine(true);
            if (pick(4) == 0) ClearDesign(store);
            store.set_engine(false);
            break;
        }
      });
    }
    ASSERT_EQ(store.bad_writes(), 0) << "round " << round;
  }
}

}  // namespace
}  // namespace spulix
