// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheet_output.h"

#include <vector>

#include "cli/text_table.h"
#include "present/dc_figures_text.h"
#include "present/sheet_text.h"

namespace spulix {
std::string SheetText(const SheetOutcome& outcome,
                      const std::optional<std::string>& recommended_core,
                      const Translate& translate, bool stale,
                      bool design_winds) {
  const auto text = [&translate](const char* source) {
    return Translated(translate, "CalcTool", source);
  };
  const std::string recommended =
      RecommendedCoreText(recommended_core, translate, {}, design_winds) + "\n";
  if (const auto* reason = std::get_if<UserText>(&outcome)) {
    const UserText line =
        Marked("CalcTool", SPULIX_TEXT("CalcTool", "绕制单：无法计算（%1）"),
               {*reason});
    // Appended piece by piece: GCC 12 falsely warns (-Wrestrict) about a
    // literal plus a temporary string in optimised builds.
    std::string out = "\n";
    out += Compose(line, translate);
    out += "\n";
    return out + recommended;
  }
  const WindingSheet& s = std::get<WindingSheet>(outcome);
  std::string out = "\n";
  if (stale) {
    out += StaleResultsText(translate);
    out += "\n";
  }
  out += SheetTitle(s, translate);
  out += "\n";
  out += Aligned(SheetWindingRows(s, translate));
  out += "\n";
  out += CoilVerdictText(s, translate);
  out += "\n";
  std::vector<std::vector<std::string>> figures;
  for (const auto& [caption, value] : SheetFigures(s, translate)) {
    figures.push_back({caption, value});
  }
  out += Aligned(figures);
  for (const DcWindingTexts& dc : SheetDcTexts(s, translate)) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& [caption, value] : dc.figures) {
      rows.push_back({caption, value});
    }
    out += "\n";
    out += Compose(Marked("CalcTool", SPULIX_TEXT("CalcTool", "%1 的直流负载"),
                          {Verbatim(dc.name)}),
                   translate);
    out += "\n";
    out += Aligned(rows);
  }
  std::vector<std::vector<std::string>> buy = {
      {text(SPULIX_TEXT("CalcTool", "要买的漆包线")),
       text(SPULIX_TEXT("CalcTool", "长度")),
       text(SPULIX_TEXT("CalcTool", "重量"))}};
  for (const auto& row : WiresToBuyTexts(s, translate)) {
    buy.emplace_back(row.begin(), row.end());
  }
  out += "\n";
  out += Aligned(buy);
  if (!s.notes.empty()) {
    // Appended piece by piece: GCC 12 at -O3 warns, falsely, about the
    // temporary of "\n" + text.
    out += '\n';
    out += text(SPULIX_TEXT("CalcTool", "说明："));
    out += '\n';
    for (const UserText& note : s.notes) {
      out += "- " + Compose(note, translate) + "\n";
    }
  }
  out += "\n" + recommended;
  return out;
}

}  // namespace spulix
