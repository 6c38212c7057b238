// SPDX-License-Identifier: GPL-3.0-or-later
// Round enamelled copper wire in its standard nominal sizes, with the
// largest overall diameter each enamel grade may have.
#ifndef SPULIX_DESIGN_PARTS_WIRE_TABLE_H_
#define SPULIX_DESIGN_PARTS_WIRE_TABLE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace spulix {

struct StandardWire {
  double nominal_mm = 0;     // bare copper diameter
  std::string nominal_text;  // as the table gives it: "0.850"
  std::string series;        // "R20", or "R40" for the in-between sizes
  // Largest overall diameter with grade 1 (thin) and grade 2 (thick)
  // enamel; nothing where the table has no value, which is never guessed.
  std::optional<double> grade1_max_mm;
  std::optional<double> grade2_max_mm;
  std::string grade1_text;  // empty where unknown
  std::string grade2_text;

  double AreaMm2() const;  // bare copper cross-section
};

// The largest overall diameter of one enamel grade (1 or 2) for a size. Where
// the table has no value for the size, the next larger size's value stands
// in as an upper bound: the enamelled wire is surely no thicker than that.
struct OverallDiameter {
  double mm = 0;
  std::string text;        // as the table gives it: "0.989"
  bool is_bound = false;   // taken from a larger size
  std::size_t source = 0;  // index of the size the value belongs to
};

// Every standard size, smallest first.
const std::vector<StandardWire>& StandardWires();

// The smallest standard size whose nominal diameter is at or above d; none
// for d <= 0 and above the largest size.
std::optional<std::size_t> NextStandardWire(double d_mm);

// The same for a wire diameter field: none where the text is no number.
std::optional<std::size_t> NextStandardWire(std::string_view d_text);

// The standard size whose nominal diameter equals the number in the text
// (the wire the user chose), or none.
std::optional<std::size_t> MatchStandardWire(std::string_view d_text);

// The overall diameter of the size at `index` with grade 1 or 2 enamel;
// none where neither it nor any larger size has a value.
std::optional<OverallDiameter> OverallDiameterOf(std::size_t index, int grade);

}  // namespace spulix

#endif  // SPULIX_DESIGN_PARTS_WIRE_TABLE_H_
