// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/user_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/readable_params.h"

namespace spulix {
namespace {

// A translation that knows a few texts of the context "T".
std::string Toy(std::string_view context, std::string_view source) {
  if (context != "T") return std::string(source);
  if (source == "%1“%2”不是数字") return "%1 \"%2\" is not a number";
  if (source == "%2 在 %1") return "%1 holds %2";  // order turned round
  if (source == "次级%1") return "Secondary %1";
  if (source == "、") return ", ";
  return std::string(source);
}

struct Case {
  const char* name;
  UserText text;
  std::string chinese;
  std::string english;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Composing : public testing::TestWithParam<Case> {};

TEST_P(Composing, PutsEachValueInItsPlace) {
  EXPECT_EQ(Compose(GetParam().text), GetParam().chinese);
  EXPECT_EQ(Compose(GetParam().text, Toy), GetParam().english);
}

std::vector<UserText> Values(int count) {
  std::vector<UserText> values;
  for (int i = 1; i <= count; ++i)
    values.push_back(Verbatim(std::to_string(i)));
  return values;
}

INSTANTIATE_TEST_SUITE_P(
    Placeholders, Composing,
    testing::Values(
        Case{"values in order",
             Marked("T", "%1“%2”不是数字", {Verbatim("U2"), Verbatim("36V")}),
             "U2“36V”不是数字", "U2 \"36V\" is not a number"},
        Case{"translation reorders",
             Marked("T", "%2 在 %1", {Verbatim("a"), Verbatim("b")}), "b 在 a",
             "a holds b"},
        Case{"values translated too",
             Marked("T", "%1“%2”不是数字",
                    {Marked("T", "次级%1", {Verbatim("2")}), Verbatim("x")}),
             "次级2“x”不是数字", "Secondary 2 \"x\" is not a number"},
        Case{"missing value stays", Marked("T", "%1 与 %3", {Verbatim("a")}),
             "a 与 %3", "a 与 %3"},
        Case{"percent in a value", Marked("T", "%1", {Verbatim("%2 50%")}),
             "%2 50%", "%2 50%"},
        Case{"two digits", Marked("T", "%10 %1", Values(10)), "10 1", "10 1"},
        Case{"unknown text as it is", Marked("T", "铁心"), "铁心", "铁心"},
        Case{"joined",
             Joined({Marked("T", "次级%1", {Verbatim("1")}), Verbatim("x")},
                    Marked("T", "、")),
             "次级1、x", "Secondary 1, x"}),
    testing_support::ReadableName());

}  // namespace
}  // namespace spulix
