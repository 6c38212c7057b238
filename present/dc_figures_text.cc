// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/dc_figures_text.h"

#include "design/sheet/dc_winding.h"
#include "design/sheet/sheet_numbers.h"
#include "design/transformer_design.h"
#include "present/json_number.h"
#include "present/sheet_text.h"

namespace spulix {
namespace {

using Json = nlohmann::ordered_json;
using sheet::kWindingSheetTexts;

UserText Fixed(double value, int decimals) {
  return Verbatim(FixedText(value, decimals));
}

LoadKind LoadKindOf(RectifierKind kind) {
  switch (kind) {
    case RectifierKind::kBridge:
      break;
    case RectifierKind::kFullWave:
      return LoadKind::kFullWave;
    case RectifierKind::kSplit:
      return LoadKind::kSplit;
  }
  return LoadKind::kBridge;
}

UserText Unit(const char* pattern, double value, int decimals) {
  return kWindingSheetTexts.Say(pattern, {Fixed(value, decimals)});
}

}  // namespace

Json DcJson(const DcWindingFigures& figures) {
  const DcLoad& load = figures.load;
  Json j;
  j["kind"] = LoadKindKey(LoadKindOf(load.kind));
  j["udc_v"] = JsonNumber(load.udc_v);
  j["idc_a"] = JsonNumber(load.idc_a);
  j["c_uf"] = JsonNumber(load.capacitance_uf);
  j["vf_v"] = JsonNumber(load.diode_drop_v);
  const auto* state = std::get_if<RectifierSteadyState>(&figures.result);
  const auto figure = [state](double RectifierSteadyState::*member) {
    return state ? JsonNumber(state->*member) : Json();
  };
  j["vdc_v"] = figure(&RectifierSteadyState::vdc_v);
  j["ripple_v"] = figure(&RectifierSteadyState::ripple_v);
  j["peak_a"] = figure(&RectifierSteadyState::peak_a);
  j["conduction_deg"] = figure(&RectifierSteadyState::conduction_deg);
  j["winding_rms_a"] = figure(&RectifierSteadyState::winding_rms_a);
  if (const auto* reason = std::get_if<UserText>(&figures.result)) {
    j["error"] = Compose(*reason);
  }
  return j;
}

UserText RectifierKindName(RectifierKind kind) {
  switch (kind) {
    case RectifierKind::kBridge:
      break;
    case RectifierKind::kFullWave:
      return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "全波"));
    case RectifierKind::kSplit:
      return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "正负"));
  }
  return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "桥式"));
}

std::vector<std::pair<std::string, std::string>> DcFigureTexts(
    const DcWindingFigures& figures, const Translate& translate) {
  const DcLoad& load = figures.load;
  const UserText chosen =
      kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "（默认）"));
  const UserText none = Verbatim("");
  std::vector<std::pair<const char*, UserText>> rows = {
      {SPULIX_TEXT("WindingSheet", "直流负载"),
       kWindingSheetTexts.Say(
           SPULIX_TEXT("WindingSheet", "%1整流，%2 伏 %3 安"),
           {RectifierKindName(load.kind), Verbatim(FormatGeneral(load.udc_v)),
            Verbatim(FormatGeneral(load.idc_a))})},
      {SPULIX_TEXT("WindingSheet", "滤波电容"),
       kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 微法%2"),
                              {Verbatim(FormatGeneral(load.capacitance_uf)),
                               figures.default_capacitance ? chosen : none})},
      {SPULIX_TEXT("WindingSheet", "二极管压降"),
       kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 伏%2"),
                              {Verbatim(FormatGeneral(load.diode_drop_v)),
                               figures.default_drop ? chosen : none})},
  };
  if (const auto* reason = std::get_if<UserText>(&figures.result)) {
    rows.push_back({SPULIX_TEXT("WindingSheet", "整流结果"), *reason});
  } else {
    const auto& s = std::get<RectifierSteadyState>(figures.result);
    rows.push_back({SPULIX_TEXT("WindingSheet", "满载直流电压"),
                    Unit(SPULIX_TEXT("WindingSheet", "%1 伏"), s.vdc_v, 2)});
    rows.push_back({SPULIX_TEXT("WindingSheet", "纹波（峰峰值）"),
                    Unit(SPULIX_TEXT("WindingSheet", "%1 伏"), s.ripple_v, 2)});
    rows.push_back({SPULIX_TEXT("WindingSheet", "峰值电流"),
                    Unit(SPULIX_TEXT("WindingSheet", "%1 安"), s.peak_a, 2)});
    rows.push_back(
        {SPULIX_TEXT("WindingSheet", "导通角"),
         Unit(SPULIX_TEXT("WindingSheet", "%1°"), s.conduction_deg, 0)});
    rows.push_back(
        {SPULIX_TEXT("WindingSheet", "绕组电流有效值"),
         Unit(SPULIX_TEXT("WindingSheet", "%1 安"), s.winding_rms_a, 3)});
    rows.push_back({SPULIX_TEXT("WindingSheet", "有效值倍数 Iw/Idc"),
                    Fixed(s.winding_rms_a / load.idc_a, 2)});
  }
  rows.push_back(
      {SPULIX_TEXT("WindingSheet", "说明"),
       kWindingSheetTexts.Say(SPULIX_TEXT(
           "WindingSheet", "未计漏感：实际直流电压略低，充电脉冲略宽"))});
  std::vector<std::pair<std::string, std::string>> texts;
  for (const auto& [caption, value] : rows) {
    texts.emplace_back(Translated(translate, "WindingSheet", caption),
                       Compose(value, translate));
  }
  return texts;
}

std::vector<DcWindingTexts> SheetDcTexts(const WindingSheet& sheet,
                                         const Translate& translate) {
  std::vector<DcWindingTexts> out;
  for (std::size_t k = 0; k < sheet.windings.size(); ++k) {
    const SheetWinding& w = sheet.windings[k];
    if (!w.dc) continue;
    out.push_back(
        {Compose(WindingName(k), translate), DcFigureTexts(*w.dc, translate)});
  }
  return out;
}

}  // namespace spulix
