// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet's values as texts, the same wherever the sheet is shown
// (spulix-calc's table, the 绕制单 window): fixed decimals, never the
// locale's, and captions with their units, Chinese unless a
// translation is given (context WindingSheet).
#ifndef SPULIX_PRESENT_SHEET_TEXT_H_
#define SPULIX_PRESENT_SHEET_TEXT_H_

#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "design/sheet/winding_sheet.h"
#include "design/user_text.h"

namespace spulix {

// A number with a fixed count of decimals; "—" where there is none.
std::string FixedText(double value, int decimals);
std::string FixedText(const std::optional<double>& value, int decimals);

using TextRows = std::vector<std::vector<std::string>>;
// The windings as a table of their SheetQuantities (winding_members.h):
// one row per quantity, one column per winding; the
// first row names the windings, the first column the quantities.
TextRows SheetWindingRows(const WindingSheet& sheet,
                          const Translate& translate = {});

// "绕制单（二级漆膜，硅钢片 50W800，标准漆包线整层绕制）"
std::string SheetTitle(const WindingSheet& sheet,
                       const Translate& translate = {});
// The coil's thickness against the window width c: fits, and by how much.
std::string CoilVerdictText(const WindingSheet& sheet,
                            const Translate& translate = {});
// The finished transformer, caption and value: output power to the fuse.
std::vector<std::pair<std::string, std::string>> SheetFigures(
    const WindingSheet& sheet, const Translate& translate = {});
// The wire to buy, smallest size first: size, length, mass.
std::vector<std::array<std::string, 3>> WiresToBuyTexts(
    const WindingSheet& sheet, const Translate& translate = {});
// The warning that the fields' results are older than their inputs.
std::string StaleResultsText(const Translate& translate = {});
// "推荐铁心：EI-105", or "推荐铁心：无" with what would help (or, where the
// design cannot be wound on any core, that it cannot yet); naming the
// extra secondaries left out of the search, if any.
std::string RecommendedCoreText(const std::optional<std::string>& core,
                                const Translate& translate = {},
                                const std::vector<UserText>& left_out = {},
                                bool design_winds = true);

}  // namespace spulix

#endif  // SPULIX_PRESENT_SHEET_TEXT_H_
