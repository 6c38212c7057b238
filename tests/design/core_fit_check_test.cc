// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/core_fit_check.h"

#include <gtest/gtest.h>

#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "tests/design/store_helpers.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::ReadableName;

using testing_support::Messages;

struct FitCase {
  const char* c;
  const char* h;
  const char* verdict;
};

void PrintTo(const FitCase& c, std::ostream* os) {
  *os << "c " << c.c << " H " << c.h;
}

class CoreFitCheck : public testing::TestWithParam<FitCase> {};

TEST_P(CoreFitCheck, ShowsExactlyOneVerdict) {
  MemoryStore store;
  store.SetText(Field::kWindowWidth, GetParam().c);
  store.SetText(Field::kCoilThickness, GetParam().h);
  Command5_Click(store);
  EXPECT_EQ(store.messages(), Messages{GetParam().verdict})
      << "c '" << GetParam().c << "', H '" << GetParam().h << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, CoreFitCheck,
    testing::Values(
        FitCase{"22", "21.9", kFitOk}, FitCase{"22", "22.0", kFitExact},
        FitCase{"22", "22.1", kFitTooThick},
        FitCase{"", "21.9", kFitIncomplete}, FitCase{"22", "", kFitIncomplete},
        FitCase{"", "", kFitIncomplete}, FitCase{"1,100", "1,022.0", kFitOk},
        FitCase{"1000", "1,022.0", kFitTooThick},
        FitCase{"22", "   ", kFitIncomplete},
        FitCase{"wide", "21.9", kFitIncomplete},
        FitCase{"1E400", "21.9", kFitIncomplete},
        FitCase{"22", "1E306", kFitIncomplete},  // 1000 x H overflows
        FitCase{"-5", "-6", kFitOk}),
    ReadableName());

TEST(CoreFitCheck, SampleDesignFitsBeforeAndAfterRecalculation) {
  MemoryStore store;
  Command9_Click(store);
  EXPECT_EQ(store.Text(Field::kCoilThickness), "14.8");
  Command5_Click(store);
  store.SetText(Field::kOutputPower, "");
  store.SetText(Field::kOutputPower, "250");
  EXPECT_EQ(store.Text(Field::kCoilThickness), "15.8");
  Command5_Click(store);
  EXPECT_EQ(store.messages(), (Messages{kFitOk, kFitOk}));
}

TEST(CoreFitCheck, WritesNoField) {
  MemoryStore store;
  Command9_Click(store);
  MemoryStore before = store;
  Command5_Click(store);
  for (const FieldInfo& info : Catalogue()) {
    EXPECT_EQ(store.Text(info.field), before.Text(info.field));
  }
}

}  // namespace
}  // namespace spulix
