// SPDX-License-Identifier: GPL-3.0-or-later
// How a standard wire's sizes read wherever they are shown. A size whose
// overall diameter the table lacks borrows the next larger size's value as
// an upper bound, and every front-end marks that bound the same way.
#ifndef SPULIX_PRESENT_WIRE_TEXT_H_
#define SPULIX_PRESENT_WIRE_TEXT_H_

#include <cstddef>
#include <optional>
#include <string>

namespace spulix {

// "≤0.989" for a bound, the text itself for a value of the size's own.
std::string BoundText(bool is_bound, const std::string& text);

// The overall diameter of a size with grade 1 or 2 enamel as the table
// writes it, marked where it is a bound; none where nothing is known.
std::optional<std::string> OverallDiameterText(std::size_t wire, int grade);

// The wire a winding takes: "0.850", or "2×0.850" for parallel strands.
std::string WireSizeText(std::size_t wire, int strands);

}  // namespace spulix

#endif  // SPULIX_PRESENT_WIRE_TEXT_H_
