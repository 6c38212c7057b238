// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/sheet_text.h"

#include <charconv>
#include <cmath>

#include "design/parts/wire_table.h"
#include "design/transformer_design.h"

namespace spulix {
namespace {

std::string WireText(const SheetWinding& w) {
  const std::string& nominal = StandardWires()[w.wire].nominal_text;
  return w.strands > 1 ? std::to_string(w.strands) + "×" + nominal : nominal;
}

std::string OverallText(const SheetWinding& w) {
  return (w.overall_is_bound ? "≤" : "") + FixedText(w.overall_mm, 3);
}

constexpr SheetQuantity kQuantities[] = {
    {"电压（伏）", [](auto& w) { return FormatGeneral(w.voltage_v); }},
    {"负载电流（安）", [](auto& w) { return FixedText(w.current_a, 3); }},
    {"匝数", [](auto& w) { return std::to_string(w.turns); }},
    {"抽头（匝）",
     [](auto& w) { return w.tap ? std::to_string(*w.tap) : std::string("—"); }},
    {"计算线径（毫米）", [](auto& w) { return w.d; }},
    {"标准漆包线（毫米）", WireText},
    {"最大外径（毫米）", OverallText},
    {"每层匝数", [](auto& w) { return std::to_string(w.turns_per_layer); }},
    {"层数", [](auto& w) { return std::to_string(w.layers); }},
    {"末层匝数", [](auto& w) { return std::to_string(w.last_layer_turns); }},
    {"厚度（毫米）", [](auto& w) { return FixedText(w.thickness_mm, 3); }},
    {"平均匝长（毫米）", [](auto& w) { return FixedText(w.mlt_mm, 2); }},
    {"线长（米，每股）", [](auto& w) { return FixedText(w.length_m, 3); }},
    {"铜重（克）", [](auto& w) { return FixedText(w.mass_g, 1); }},
    {"R20（欧）", [](auto& w) { return FixedText(w.r20_ohm, 4); }},
    {"R75（欧）", [](auto& w) { return FixedText(w.r75_ohm, 4); }},
    {"铜损（瓦）", [](auto& w) { return FixedText(w.loss_w, 3); }},
    {"空载电压（伏）", [](auto& w) { return FixedText(w.no_load_v, 3); }},
    {"满载电压（伏）", [](auto& w) { return FixedText(w.full_load_v, 3); }},
};

}  // namespace

std::string FixedText(double value, int decimals) {
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::fixed, decimals);
  if (error != std::errc()) return FormatGeneral(value);
  return std::string(buffer, end);
}

std::string FixedText(const std::optional<double>& value, int decimals) {
  return value ? FixedText(*value, decimals) : "—";
}

std::span<const SheetQuantity> SheetQuantities() { return kQuantities; }

TextRows SheetWindingRows(const WindingSheet& sheet) {
  TextRows rows;
  rows.push_back({"绕组"});
  for (const SheetWinding& w : sheet.windings) rows[0].push_back(w.name);
  for (const SheetQuantity& quantity : kQuantities) {
    rows.push_back({quantity.caption});
    for (const SheetWinding& w : sheet.windings) {
      rows.back().push_back(quantity.text(w));
    }
  }
  return rows;
}

std::string SheetTitle(const WindingSheet& sheet) {
  return "绕制单（" + std::string(sheet.enamel_grade == 1 ? "一" : "二") +
         "级漆膜，硅钢片 " + sheet.steel + "，标准漆包线整层绕制）";
}

std::string CoilVerdictText(const WindingSheet& s) {
  return "线包厚度 " + FixedText(s.coil_mm, 3) + " 毫米（骨架与绕组 " +
         FixedText(s.build_mm, 3) + " 毫米 × 1.1），窗口宽度 c " +
         FormatGeneral(s.c_mm) + " 毫米：" +
         (s.fits ? "绕得下，余 " + FixedText(s.margin_mm, 3)
                 : "绕不下，超出 " + FixedText(-s.margin_mm, 3)) +
         " 毫米";
}

std::vector<std::pair<std::string, std::string>> SheetFigures(
    const WindingSheet& s) {
  // Marked as on the fuse's cap: T for time-lag, mA below one ampere.
  std::string fuse = "超过 20 安，无标准规格";
  if (s.fuse_a) {
    const std::string rating =
        *s.fuse_a < 1 ? std::to_string(std::lround(*s.fuse_a * 1000)) + "mA"
                      : FormatGeneral(*s.fuse_a) + "A";
    fuse = "T" + rating + "（慢熔，" + FormatGeneral(*s.fuse_a) + " 安）";
  }
  return {
      {"总输出功率", FormatGeneral(s.output_w) + " 瓦"},
      {"铁心重量", FixedText(s.iron_mass_g, 1) + " 克"},
      {"磁通密度", FixedText(s.flux_t, 4) + " 特"},
      {"铁损", FixedText(s.iron_loss_w, 3) + " 瓦（估算）"},
      {"铜损", FixedText(s.copper_loss_w, 3) + " 瓦"},
      {"效率", FixedText(s.efficiency * 100, 2) + "%"},
      {"散热面积", FixedText(s.surface_cm2, 1) + " 平方厘米"},
      {"温升", FixedText(s.temperature_rise_k, 1) + " 开（自然冷却的估算）"},
      {"初级保险丝", fuse},
  };
}

std::vector<std::array<std::string, 3>> WiresToBuyTexts(
    const WindingSheet& sheet) {
  std::vector<std::array<std::string, 3>> rows;
  for (const WireToBuy& wire : sheet.wires_to_buy) {
    rows.push_back({StandardWires()[wire.wire].nominal_text + " 毫米",
                    FixedText(wire.length_m, 3) + " 米",
                    FixedText(wire.mass_g, 1) + " 克"});
  }
  return rows;
}

std::string RecommendedCoreText(const std::optional<std::string>& core) {
  return "推荐铁心：" + core.value_or("无");
}

}  // namespace spulix
