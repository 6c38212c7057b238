// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/sheet_json.h"

#include "design/user_text.h"
#include "present/json_number.h"
#include "present/winding_members.h"

namespace spulix {

using Json = nlohmann::ordered_json;

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

}  // namespace spulix
