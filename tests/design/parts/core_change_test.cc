// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/core_change.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/readable_params.h"

namespace spulix {
namespace {

using Kind = CoreChange::Kind;

struct ChangeCase {
  const char* name;
  const char* rows;  // the user's cores as the other window left them
  CoreChange change;
  const char* after;    // the user's cores afterwards
  const char* refused;  // part of the refusal, or nullptr
};
void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class CoreChangeOnFreshList : public testing::TestWithParam<ChangeCase> {};

// Both windows started from "Mine,10,5,15"; the other window's change is in
// the file, this window's change goes onto it by name.
TEST_P(CoreChangeOnFreshList, LaterChangeWinsForItsCoreOnly) {
  const ChangeCase& c = GetParam();
  const std::string header =
      "name,tongue_a_mm,window_width_c_mm,window_height_h_mm\n";
  CoreCatalogue catalogue;
  ASSERT_TRUE(catalogue.LoadUserCsv(c.rows).empty());
  const std::optional<std::string> refused =
      ApplyCoreChange(catalogue, c.change);
  EXPECT_EQ(catalogue.UserCsv(), header + c.after);
  if (c.refused == nullptr) {
    EXPECT_EQ(refused, std::nullopt) << *refused;
  } else {
    ASSERT_TRUE(refused.has_value());
    EXPECT_NE(refused->find(c.refused), std::string::npos) << *refused;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, CoreChangeOnFreshList,
    testing::Values(
        ChangeCase{"modify what they modified",
                   "Mine,11,5,15\n",
                   {Kind::kModify, "Mine", {"Mine", "12", "5", "15"}},
                   "Mine,12,5,15\n",
                   nullptr},
        ChangeCase{"modify what they removed",
                   "Other,1,1,1\n",
                   {Kind::kModify, "mine", {"Mine", "12", "5", "15"}},
                   "Other,1,1,1\nMine,12,5,15\n",
                   nullptr},
        ChangeCase{"remove what they modified",
                   "Other,1,1,1\nMine,11,5,15\n",
                   {Kind::kRemove, "Mine", {}},
                   "Other,1,1,1\n",
                   nullptr},
        ChangeCase{"remove what they removed",
                   "Other,1,1,1\n",
                   {Kind::kRemove, "Mine", {}},
                   "Other,1,1,1\n",
                   nullptr},
        ChangeCase{"add the same core they added",
                   "Mine,10,5,15\nNew,20,10,30\n",
                   {Kind::kAdd, "", {"new", "20", "10", "30.0"}},
                   "Mine,10,5,15\nNew,20,10,30\n",
                   nullptr},
        ChangeCase{"add a different core under the name they added",
                   "Mine,10,5,15\nNew,20,10,30\n",
                   {Kind::kAdd, "", {"New", "21", "10", "30"}},
                   "Mine,10,5,15\nNew,20,10,30\n",
                   "已经存在"},
        ChangeCase{"rename onto the name they added",
                   "Mine,10,5,15\nNew,20,10,30\n",
                   {Kind::kModify, "Mine", {"New", "10", "5", "15"}},
                   "Mine,10,5,15\nNew,20,10,30\n",
                   "已经存在"}),
    testing_support::ReadableName());

}  // namespace
}  // namespace spulix
