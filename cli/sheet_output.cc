// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheet_output.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "cli/text_table.h"
#include "design/transformer_design.h"
#include "design/wire_table.h"

namespace spulix {
namespace {

using Json = nlohmann::ordered_json;

// A number with a fixed count of decimals, without the locale.
std::string Fixed(double value, int decimals) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, decimals);
  if (error != std::errc()) return FormatGeneral(value);
  return std::string(buffer, end);
}

std::string Fixed(const std::optional<double>& value, int decimals) {
  return value ? Fixed(*value, decimals) : "—";
}

std::string WireText(const SheetWinding& w) {
  const std::string& nominal = StandardWires()[w.wire].nominal_text;
  return w.strands > 1 ? std::to_string(w.strands) + "×" + nominal : nominal;
}

std::string OverallText(const SheetWinding& w) {
  return (w.overall_is_bound ? "≤" : "") + Fixed(w.overall_mm, 3);
}

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

// One row per quantity, one column per winding.
std::string WindingTable(const WindingSheet& sheet) {
  struct Row {
    const char* caption;
    std::string (*cell)(const SheetWinding&);
  };
  static const Row kRows[] = {
      {"电压（伏）", [](auto& w) { return FormatGeneral(w.voltage_v); }},
      {"负载电流（安）", [](auto& w) { return Fixed(w.current_a, 3); }},
      {"匝数", [](auto& w) { return std::to_string(w.turns); }},
      {"抽头（匝）",
       [](auto& w) {
         return w.tap ? std::to_string(*w.tap) : std::string("—");
       }},
      {"计算线径（毫米）", [](auto& w) { return w.d; }},
      {"标准漆包线（毫米）", WireText},
      {"最大外径（毫米）", OverallText},
      {"每层匝数", [](auto& w) { return std::to_string(w.turns_per_layer); }},
      {"层数", [](auto& w) { return std::to_string(w.layers); }},
      {"末层匝数", [](auto& w) { return std::to_string(w.last_layer_turns); }},
      {"厚度（毫米）", [](auto& w) { return Fixed(w.thickness_mm, 3); }},
      {"平均匝长（毫米）", [](auto& w) { return Fixed(w.mlt_mm, 2); }},
      {"线长（米，每股）", [](auto& w) { return Fixed(w.length_m, 3); }},
      {"铜重（克）", [](auto& w) { return Fixed(w.mass_g, 1); }},
      {"R20（欧）", [](auto& w) { return Fixed(w.r20_ohm, 4); }},
      {"R75（欧）", [](auto& w) { return Fixed(w.r75_ohm, 4); }},
      {"铜损（瓦）", [](auto& w) { return Fixed(w.loss_w, 3); }},
      {"空载电压（伏）", [](auto& w) { return Fixed(w.no_load_v, 3); }},
      {"满载电压（伏）", [](auto& w) { return Fixed(w.full_load_v, 3); }},
  };
  std::vector<std::vector<std::string>> rows;
  rows.push_back({"绕组"});
  for (const SheetWinding& w : sheet.windings) rows[0].push_back(w.name);
  for (const Row& row : kRows) {
    rows.push_back({row.caption});
    for (const SheetWinding& w : sheet.windings) {
      rows.back().push_back(row.cell(w));
    }
  }
  return Aligned(rows);
}

std::string Recommended(const std::optional<std::string>& core) {
  return "推荐铁心：" + core.value_or("无") + "\n";
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
  if (const auto* reason = std::get_if<std::string>(&outcome)) {
    j["error"] = *reason;
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
  j["notes"] = s.notes;
  j["recommended_core"] = recommended;
  return j;
}

std::string SheetText(const SheetOutcome& outcome,
                      const std::optional<std::string>& recommended_core) {
  if (const auto* reason = std::get_if<std::string>(&outcome)) {
    return "\n绕制单：无法计算（" + *reason + "）\n" +
           Recommended(recommended_core);
  }
  const WindingSheet& s = std::get<WindingSheet>(outcome);
  std::string out = "\n绕制单（" +
                    std::string(s.enamel_grade == 1 ? "一" : "二") +
                    "级漆膜，硅钢片 " + s.steel + "，标准漆包线整层绕制）\n";
  out += WindingTable(s);
  out += "\n线包厚度 " + Fixed(s.coil_mm, 3) + " 毫米（骨架与绕组 " +
         Fixed(s.build_mm, 3) + " 毫米 × 1.1），窗口宽度 c " +
         FormatGeneral(s.c_mm) + " 毫米：" +
         (s.fits ? "绕得下，余 " + Fixed(s.margin_mm, 3)
                 : "绕不下，超出 " + Fixed(-s.margin_mm, 3)) +
         " 毫米\n";
  const std::string fuse = s.fuse_a
                               ? FormatGeneral(*s.fuse_a) + " 安，慢熔（T）"
                               : std::string("超过 20 安，无标准规格");
  out += Aligned({
      {"总输出功率", FormatGeneral(s.output_w) + " 瓦"},
      {"铁心重量", Fixed(s.iron_mass_g, 1) + " 克"},
      {"磁通密度", Fixed(s.flux_t, 4) + " 特"},
      {"铁损", Fixed(s.iron_loss_w, 3) + " 瓦（估算）"},
      {"铜损", Fixed(s.copper_loss_w, 3) + " 瓦"},
      {"效率", Fixed(s.efficiency * 100, 2) + "%"},
      {"散热面积", Fixed(s.surface_cm2, 1) + " 平方厘米"},
      {"温升", Fixed(s.temperature_rise_k, 1) + " 开（自然冷却的估算）"},
      {"初级保险丝", fuse},
  });
  std::vector<std::vector<std::string>> buy = {
      {"要买的漆包线", "长度", "重量"}};
  for (const WireToBuy& wire : s.wires_to_buy) {
    buy.push_back({StandardWires()[wire.wire].nominal_text + " 毫米",
                   Fixed(wire.length_m, 3) + " 米",
                   Fixed(wire.mass_g, 1) + " 克"});
  }
  out += "\n" + Aligned(buy);
  if (!s.notes.empty()) {
    out += "\n说明：\n";
    for (const std::string& note : s.notes) out += "- " + note + "\n";
  }
  out += "\n" + Recommended(recommended_core);
  return out;
}

}  // namespace spulix
