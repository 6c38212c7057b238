// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet never winds stale turns silently: results older than their
// inputs are told apart from a design as the calculation leaves it.
#include "design/sheet/stale_results.h"

#include <gtest/gtest.h>

#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "tests/design/store_helpers.h"

namespace spulix {
namespace {

using testing_support::SetAll;

MemoryStore Calculated() {
  MemoryStore store;
  SetAll(store, {{"U1", "220"},
                 {"U2", "52"},
                 {"h", "48"},
                 {"c", "16"},
                 {"a", "32"},
                 {"P2", "80"}});
  return store;
}

TEST(StaleResults, ACalculatedDesignIsCurrent) {
  EXPECT_FALSE(ResultsAreStale(Calculated().texts()));
}

TEST(StaleResults, AVoltageChangedWithoutACalculationIsStale) {
  MemoryStore store = Calculated();
  // U2 runs no calculation of its own: N2 is still that of 52 V.
  store.SetText(Field::kOutputVoltage, "24");
  EXPECT_TRUE(ResultsAreStale(store.texts()));
  CalculateDesign(store);
  EXPECT_FALSE(ResultsAreStale(store.texts()));
}

TEST(StaleResults, AWireTheUserTypedWithItsBuildUpIsCurrent) {
  MemoryStore store = Calculated();
  store.SetText(Field::kPrimaryWireDiameter, "0.6");
  // Typed but not yet double-clicked: the build-up is that of the old d1.
  EXPECT_TRUE(ResultsAreStale(store.texts()));
  OnFieldDoubleClicked(store, Field::kPrimaryWireDiameter);
  EXPECT_FALSE(ResultsAreStale(store.texts()));
}

TEST(StaleResults, ADesignTheCalculationCannotRunIsNotCalledStale) {
  MemoryStore store;
  SetAll(store, {{"U2", "24"}});
  EXPECT_FALSE(ResultsAreStale(store.texts()));
}

}  // namespace
}  // namespace spulix
