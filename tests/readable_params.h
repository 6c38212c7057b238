// SPDX-License-Identifier: GPL-3.0-or-later
// Readable names for the cases of parameterized GoogleTest suites: each
// case is named by its number and its printed value (give the parameter
// type a PrintTo), so "Rows/EfficiencyBoundaries.Picks/3_P2_30" says which
// row failed instead of a dump of the parameter's bytes.
#ifndef SPULIX_TESTS_READABLE_PARAMS_H_
#define SPULIX_TESTS_READABLE_PARAMS_H_

#include <gtest/gtest.h>

#include <string>

namespace spulix::testing_support {

struct ReadableName {
  template <typename T>
  std::string operator()(const testing::TestParamInfo<T>& info) const {
    // Test names allow letters, digits and '_' only; each other run of
    // characters becomes one '_'.
    std::string name = std::to_string(info.index);
    bool gap = true;
    for (char c : testing::PrintToString(info.param)) {
      const bool keep = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                        (c >= 'a' && c <= 'z');
      if (!keep) {
        gap = true;
        continue;
      }
      if (gap) name += '_';
      name += c;
      gap = false;
    }
    return name;
  }
};

}  // namespace spulix::testing_support

#endif  // SPULIX_TESTS_READABLE_PARAMS_H_
