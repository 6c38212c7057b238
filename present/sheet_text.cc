// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/sheet_text.h"

#include <charconv>
#include <cmath>

#include "design/parts/wire_table.h"
#include "design/transformer_design.h"
#include "present/winding_members.h"

namespace spulix {
namespace {

constexpr TextContext kWindingSheetTexts{"WindingSheet"};

UserText Fixed(double value, int decimals) {
  return Verbatim(FixedText(value, decimals));
}

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

TextRows SheetWindingRows(const WindingSheet& sheet,
                          const Translate& translate) {
  TextRows rows;
  rows.push_back({Translated(translate, "WindingSheet",
                             SPULIX_TEXT("WindingSheet", "绕组"))});
  for (std::size_t i = 0; i < sheet.windings.size(); ++i) {
    rows[0].push_back(Compose(WindingName(i), translate));
  }
  for (const WindingMember& quantity : SheetQuantities()) {
    rows.push_back({Translated(translate, "WindingSheet", quantity.caption)});
    for (const SheetWinding& w : sheet.windings) {
      rows.back().push_back(quantity.text(w));
    }
  }
  return rows;
}

std::string SheetTitle(const WindingSheet& sheet, const Translate& translate) {
  const char* title =
      sheet.enamel_grade == 1
          ? SPULIX_TEXT("WindingSheet",
                        "绕制单（一级漆膜，硅钢片 %1，标准漆包线整层绕制）")
          : SPULIX_TEXT("WindingSheet",
                        "绕制单（二级漆膜，硅钢片 %1，标准漆包线整层绕制）");
  return Compose(kWindingSheetTexts.Say(title, {Verbatim(sheet.steel)}),
                 translate);
}

std::string CoilVerdictText(const WindingSheet& s, const Translate& translate) {
  const UserText verdict =
      s.fits ? kWindingSheetTexts.Say(
                   SPULIX_TEXT("WindingSheet", "绕得下，余 %1 毫米"),
                   {Fixed(s.margin_mm, 3)})
             : kWindingSheetTexts.Say(
                   SPULIX_TEXT("WindingSheet", "绕不下，超出 %1 毫米"),
                   {Fixed(-s.margin_mm, 3)});
  return Compose(kWindingSheetTexts.Say(
                     SPULIX_TEXT("WindingSheet",
                                 "线包厚度 %1 毫米（骨架与绕组 %2 毫米 × "
                                 "1.1），窗口宽度 c %3 毫米：%4"),
                     {Fixed(s.coil_mm, 3), Fixed(s.build_mm, 3),
                      Verbatim(FormatGeneral(s.c_mm)), verdict}),
                 translate);
}

std::vector<std::pair<std::string, std::string>> SheetFigures(
    const WindingSheet& s, const Translate& translate) {
  // Marked as on the fuse's cap: T for time-lag, mA below one ampere.
  UserText fuse = kWindingSheetTexts.Say(
      SPULIX_TEXT("WindingSheet", "超过 20 安，无标准规格"));
  if (s.fuse_a) {
    const std::string rating =
        *s.fuse_a < 1 ? std::to_string(std::lround(*s.fuse_a * 1000)) + "mA"
                      : FormatGeneral(*s.fuse_a) + "A";
    fuse = kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet", "T%1（慢熔，%2 安）"),
        {Verbatim(rating), Verbatim(FormatGeneral(*s.fuse_a))});
  }
  const std::pair<const char*, UserText> figures[] = {
      {SPULIX_TEXT("WindingSheet", "总输出功率"),
       kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 瓦"),
                              {Verbatim(FormatGeneral(s.output_w))})},
      {SPULIX_TEXT("WindingSheet", "铁心重量"),
       kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 克"),
                              {Fixed(s.iron_mass_g, 1)})},
      {SPULIX_TEXT("WindingSheet", "磁通密度"),
       kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 特"),
                              {Fixed(s.flux_t, 4)})},
      {SPULIX_TEXT("WindingSheet", "铁损"),
       kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 瓦（估算）"),
                              {Fixed(s.iron_loss_w, 3)})},
      {SPULIX_TEXT("WindingSheet", "铜损"),
       kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 瓦"),
                              {Fixed(s.copper_loss_w, 3)})},
      {SPULIX_TEXT("WindingSheet", "效率"),
       Verbatim(FixedText(s.efficiency * 100, 2) + "%")},
      {SPULIX_TEXT("WindingSheet", "散热面积"),
       kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 平方厘米"),
                              {Fixed(s.surface_cm2, 1)})},
      {SPULIX_TEXT("WindingSheet", "温升"),
       kWindingSheetTexts.Say(
           SPULIX_TEXT("WindingSheet", "%1 开（自然冷却的估算）"),
           {Fixed(s.temperature_rise_k, 1)})},
      {SPULIX_TEXT("WindingSheet", "初级保险丝"), fuse},
  };
  std::vector<std::pair<std::string, std::string>> texts;
  for (const auto& [caption, value] : figures) {
    texts.emplace_back(Translated(translate, "WindingSheet", caption),
                       Compose(value, translate));
  }
  return texts;
}

std::vector<std::array<std::string, 3>> WiresToBuyTexts(
    const WindingSheet& sheet, const Translate& translate) {
  std::vector<std::array<std::string, 3>> rows;
  for (const WireToBuy& wire : sheet.wires_to_buy) {
    rows.push_back(
        {Compose(kWindingSheetTexts.Say(
                     SPULIX_TEXT("WindingSheet", "%1 毫米"),
                     {Verbatim(StandardWires()[wire.wire].nominal_text)}),
                 translate),
         Compose(kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 米"),
                                        {Fixed(wire.length_m, 3)}),
                 translate),
         Compose(kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1 克"),
                                        {Fixed(wire.mass_g, 1)}),
                 translate)});
  }
  return rows;
}

std::string StaleResultsText(const Translate& translate) {
  return Compose(
      kWindingSheetTexts.Say(SPULIX_TEXT(
          "WindingSheet",
          "主窗口的计算结果比输入旧（改过的输入还没有重新计算）：绕制单按这些"
          "旧结果绕制，请先刷新")),
      translate);
}

std::string RecommendedCoreText(const std::optional<std::string>& core,
                                const Translate& translate,
                                const std::vector<UserText>& left_out,
                                bool design_winds) {
  const UserText name =
      core ? Verbatim(*core)
      : design_winds
          ? kWindingSheetTexts.Say(SPULIX_TEXT(
                "WindingSheet",
                "无（目录里没有绕得下的铁心：可添加更大的自定义铁心，或改用"
                "一级漆膜、更薄的绝缘）"))
          : kWindingSheetTexts.Say(
                SPULIX_TEXT("WindingSheet", "无（这个设计还算不出绕制单）"));
  UserText text = kWindingSheetTexts.Say(
      SPULIX_TEXT("WindingSheet", "推荐铁心：%1"), {name});
  if (!left_out.empty()) {
    text = kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet", "%1（未计入读不出的次级：%2）"),
        {text, Joined(left_out, kWindingSheetTexts.Say(
                                    SPULIX_TEXT("WindingSheet", "；")))});
  }
  return Compose(text, translate);
}

}  // namespace spulix
