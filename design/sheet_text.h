// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet's values as texts, the same wherever the sheet is shown
// (the command line's table, the report): each quantity with its own count
// of decimals, the C locale, "—" where there is no value.
#ifndef SPULIX_DESIGN_SHEET_TEXT_H_
#define SPULIX_DESIGN_SHEET_TEXT_H_

#include <optional>
#include <string>
#include <vector>

#include "design/winding_sheet.h"

namespace spulix {

// A number with a fixed count of decimals; "—" for none.
std::string FixedText(double value, int decimals);
std::string FixedText(const std::optional<double>& value, int decimals);

// "0.850", or "2×2.65" for parallel strands.
std::string SheetWireText(const SheetWinding& winding);
// "1.110", or "≤0.989" where it is the next size's bound.
std::string SheetOverallText(const SheetWinding& winding);

using TextRows = std::vector<std::vector<std::string>>;

// One row per quantity, one column per winding; the first row names the
// windings, the first column the quantities.
TextRows SheetWindingRows(const WindingSheet& sheet);

// "绕制单（二级漆膜，硅钢片 50W800，标准漆包线整层绕制）"
std::string SheetTitleText(const WindingSheet& sheet);

// The coil against the window, with the verdict and the margin.
std::string SheetCoilText(const WindingSheet& sheet);

// The finished transformer: caption and value (with its unit) per row.
TextRows SheetSummaryRows(const WindingSheet& sheet);

// The wire to buy by size: a header row, then size, length and mass.
TextRows SheetWiresToBuyRows(const WindingSheet& sheet);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_TEXT_H_
