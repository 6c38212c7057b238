// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/wire_text.h"

#include "design/parts/wire_table.h"

namespace spulix {

std::string BoundText(bool is_bound, const std::string& text) {
  return is_bound ? "≤" + text : text;
}

std::optional<std::string> OverallDiameterText(std::size_t wire, int grade) {
  const std::optional<OverallDiameter> overall = OverallDiameterOf(wire, grade);
  if (!overall) return std::nullopt;
  return BoundText(overall->is_bound, overall->text);
}

std::string WireSizeText(std::size_t wire, int strands) {
  const std::string& nominal = StandardWires()[wire].nominal_text;
  return strands > 1 ? std::to_string(strands) + "×" + nominal : nominal;
}

}  // namespace spulix
