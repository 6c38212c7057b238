// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheet_output.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "cli/text_table.h"
#include "present/sheet_text.h"

namespace spulix {
namespace {

using Json = nlohmann::ordered_json;

Json WindingJson(const SheetWinding& w) {
  Json j;
  j["name"] = w.name;
  j["voltage_v"] = JsonNumber(w.voltage_v);
  j["current_a"] = JsonNumber(w.current_a);
  j["turns"] = w.turns;
  j["tap"] = w.tap ? Json(*w.tap) : Json();
  j["d"] = w.d;
  j["strands"] = w.strands;
  j["wire_mm"] = JsonNumber(w.wire_mm);
  j["overall_mm"] = JsonNumber(w.overall_mm);
  j["overall_is_bound"] = w.overall_is_bound;
  j["turns_per_layer"] = w.turns_per_layer;
  j["layers"] = w.layers;
  j["last_layer_turns"] = w.last_layer_turns;
  j["thickness_mm"] = JsonNumber(w.thickness_mm);
  j["mlt_mm"] = JsonNumber(w.mlt_mm);
  j["length_m"] = JsonNumber(w.length_m);
  j["mass_g"] = JsonNumber(w.mass_g);
  j["r20_ohm"] = JsonNumber(w.r20_ohm);
  j["r75_ohm"] = JsonNumber(w.r75_ohm);
  j["loss_w"] = JsonNumber(w.loss_w);
  j["no_load_v"] = JsonNumber(w.no_load_v);
  j["full_load_v"] = JsonNumber(w.full_load_v);
  return j;
}

}  // namespace

Json JsonNumber(double value) {
  if (std::isfinite(value) && value == std::trunc(value) &&
      std::fabs(value) < 9e15) {
    return static_cast<std::int64_t>(value);
  }
  return value;
}

Json JsonNumber(const std::optional<double>& value) {
  return value ? JsonNumber(*value) : Json();
}

Json SheetJson(const SheetOutcome& outcome,
               const std::optional<std::string>& recommended_core) {
  const Json recommended = recommended_core ? Json(*recommended_core) : Json();
  Json j;
  if (const auto* reason = std::get_if<UserText>(&outcome)) {
    j["error"] = Compose(*reason);
    j["recommended_core"] = recommended;
    return j;
  }
  const WindingSheet& s = std::get<WindingSheet>(outcome);
  j["enamel_grade"] = s.enamel_grade;
  j["steel"] = s.steel;
  j["windings"] = Json::array();
  for (const SheetWinding& w : s.windings) {
    j["windings"].push_back(WindingJson(w));
  }
  j["build_mm"] = JsonNumber(s.build_mm);
  j["coil_mm"] = JsonNumber(s.coil_mm);
  j["fits"] = s.fits;
  j["margin_mm"] = JsonNumber(s.margin_mm);
  j["iron_mass_g"] = JsonNumber(s.iron_mass_g);
  j["flux_t"] = JsonNumber(s.flux_t);
  j["iron_loss_w"] = JsonNumber(s.iron_loss_w);
  j["copper_loss_w"] = JsonNumber(s.copper_loss_w);
  j["efficiency"] = JsonNumber(s.efficiency);
  j["surface_cm2"] = JsonNumber(s.surface_cm2);
  j["temperature_rise_k"] = JsonNumber(s.temperature_rise_k);
  j["fuse_a"] = JsonNumber(s.fuse_a);
  j["wires_to_buy"] = Json::array();
  for (const WireToBuy& wire : s.wires_to_buy) {
    j["wires_to_buy"].push_back({{"wire_mm", JsonNumber(wire.wire_mm)},
                                 {"length_m", JsonNumber(wire.length_m)},
                                 {"mass_g", JsonNumber(wire.mass_g)}});
  }
  j["notes"] = Json::array();
  for (const UserText& note : s.notes) j["notes"].push_back(Compose(note));
  j["recommended_core"] = recommended;
  return j;
}

std::string SheetText(const SheetOutcome& outcome,
                      const std::optional<std::string>& recommended_core,
                      const Translate& translate) {
  const auto text = [&translate](const char* source) {
    return Translated(translate, "CalcTool", source);
  };
  const std::string recommended =
      RecommendedCoreText(recommended_core, translate) + "\n";
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
