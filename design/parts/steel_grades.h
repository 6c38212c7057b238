// SPDX-License-Identifier: GPL-3.0-or-later
// Cold-rolled non-oriented electrical steel by grade name, with the
// guaranteed specific loss at 1.5 T and 50 Hz that the name states.
#ifndef SPULIX_DESIGN_PARTS_STEEL_GRADES_H_
#define SPULIX_DESIGN_PARTS_STEEL_GRADES_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spulix {

struct SteelGrade {
  std::string name;          // "50W800"
  double thickness_mm = 0;   // sheet thickness
  double loss_w_per_kg = 0;  // largest specific loss at 1.5 T, 50 Hz
};

inline constexpr const char* kDefaultSteelGrade = "50W800";

// The shipped grades in the order of the data file.
const std::vector<SteelGrade>& SteelGrades();

// The grade with this name (letter case ignored), or none.
std::optional<std::size_t> FindSteelGrade(std::string_view name);

}  // namespace spulix

#endif  // SPULIX_DESIGN_PARTS_STEEL_GRADES_H_
