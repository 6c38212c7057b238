// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of the 29 quantities: one table shared by the engine, the
// tool and the window.
#include <algorithm>

#include "design/transformer_design.h"

namespace spulix {
namespace {

using R = FieldRole;
using F = OutputFormat;

constexpr std::array<FieldInfo, kFieldCount> kCatalogue = {{
    {Field::kP2, "Text1", "P2", "output power", "Label1", "变压器输出功率",
     "Label36", "瓦(W)", "P2", R::kTypedInput, F::kInput},
    {Field::kP1, "Text2", "P1", "input power", "Label2", "变压器输入功率",
     "Label37", "瓦(W)", "P1=P2/η", R::kResult, F::kWhole},
    {Field::kP, "Text3", "P", "rated power", "Label3", "变压器额定功率",
     "Label38", "瓦(W)", "P=（P1+P2）/2", R::kResult, F::kGeneral},
    {Field::kS, "Text4", "S", "core cross-section", "Label4", "铁心截面积",
     "Label39", "平方厘米", "S=K∫P或S=Kc*a*b", R::kResult, F::kOneDecimal},
    {Field::kWindowHeight, "Text5", "h", "core window height", "Label6",
     "窗口高度", "Label40", "毫米", "h", R::kTypedInput, F::kInput},
    {Field::kWindowWidth, "Text6", "c", "core window width", "Label7",
     "窗口宽度", "Label42", "毫米", "c", R::kTypedInput, F::kInput},
    {Field::kTongueWidth, "Text7", "a", "tongue width", "Label8", "舌宽",
     "Label41", "毫米", "a", R::kTypedInput, F::kInput},
    {Field::kStackThickness, "Text8", "b", "stack thickness", "Label9", "迭厚",
     "Label43", "毫米", "b=S/（Kc*a）", R::kResult, F::kStackThickness},
    {Field::kN0, "Text9", "N0", "turns per volt", "Label10", "每伏电压应绕匝数",
     "Label44", "匝/伏", "N0=450000/Bm*S", R::kResult, F::kTwoDecimals},
    {Field::kU1, "Text10", "U1", "input voltage", "Label16", "输入电压",
     "Label34", "伏(V)", nullptr, R::kTypedInput, F::kInput},
    {Field::kU2, "Text11", "U2", "output voltage", "Label17", "输出电压",
     "Label35", "伏(V)", nullptr, R::kTypedInput, F::kInput},
    {Field::kN1, "Text12", "N1", "primary turns", "Label11", "初级绕组匝数",
     "Label45", "匝", "N1=N0*U1", R::kResult, F::kWhole},
    {Field::kN2, "Text13", "N2", "secondary turns", "Label12", "次级绕组匝数",
     "Label46", "匝", "N2=1.05*N0*U2", R::kResult, F::kWhole},
    {Field::kI1, "Text14", "I1", "primary current", "Label13", "初级绕组电流",
     "Label47", "安培", "I1=P1/U1*1.1", R::kResult, F::kTwoDecimals},
    {Field::kI2, "Text15", "I2", "secondary current", "Label14", "次级绕组电流",
     "Label48", "安培", "I2=P2/U2", R::kResult, F::kTwoDecimals},
    // d1's row also carries "导线线径" (Label15) before this caption.
    {Field::kD1, "Text16", "d1", "primary wire diameter", "Label26",
     "输入线径：", "Label49", "毫米", "d1=0.715∫I1", R::kWireDiameter,
     F::kTwoDecimals},
    {Field::kD2, "Text17", "d2", "secondary wire diameter", "Label27",
     "输出线径：", "Label50", "毫米", "d2=0.715∫I2", R::kWireDiameter,
     F::kTwoDecimals},
    {Field::kEffectiveHeight, "Text18", "h'", "effective window height",
     "Label18", "铁心窗口的有效高度", "Label51", "毫米", "h'=0.9*(h-2毫米)",
     R::kResult, F::kTwoDecimals},
    {Field::kCoilThickness, "Text19", "H", "total coil thickness", "Label25",
     "整个线包总厚度", "Label58", "毫米", "H=(B0+H1+H2)*1.1", R::kResult,
     F::kOneDecimal},
    {Field::kH2, "Text20", "H2", "secondary winding thickness", "Label24",
     "次级绕组总厚度", "Label57", "毫米", "H2=m2*d2'+(m2-1)*f2+r2", R::kResult,
     F::kTwoDecimals},
    {Field::kM2, "Text21", "m2", "secondary layers", "Label23",
     "次级绕组需绕层数", "Label56", "层", "m2=N2/n2'", R::kResult,
     F::kTwoDecimals},
    {Field::kTurnsPerLayer2, "Text22", "n2'", "secondary turns per layer",
     "Label22", "次级绕组每层匝数", "Label55", "匝", "n2'=h'/d2'", R::kResult,
     F::kTwoDecimals},
    {Field::kH1, "Text23", "H1", "primary winding thickness", "Label21",
     "初级绕组总厚度", "Label54", "毫米", "H1=m1*(d1'+f1)+r1", R::kResult,
     F::kTwoDecimals},
    {Field::kM1, "Text24", "m1", "primary layers", "Label20",
     "初级绕组需绕层数", "Label53", "层", "m1=N1/n1'", R::kResult, F::kWhole},
    {Field::kTurnsPerLayer1, "Text25", "n1'", "primary turns per layer",
     "Label19", "初级绕组每层匝数", "Label52", "匝", "n1'=h'/d1'", R::kResult,
     F::kWhole},
    {Field::kR1, "Text26", "r1", "primary outer insulation", "Label28",
     "外层绝缘:", "Label59", "毫米", "r1", R::kInsulationInput, F::kInput},
    {Field::kF1, "Text27", "f1", "primary interlayer insulation", "Label29",
     "层间绝缘:", "Label60", "毫米", "f1", R::kInsulationInput, F::kInput},
    {Field::kF2, "Text28", "f2", "secondary interlayer insulation", "Label30",
     "层间绝缘:", "Label62", "毫米", "f2", R::kInsulationInput, F::kInput},
    {Field::kR2, "Text29", "r2", "secondary outer insulation", "Label31",
     "外层绝缘:", "Label61", "毫米", "r2", R::kInsulationInput, F::kInput},
}};

constexpr std::array<Field, kFieldCount> kReadingOrder = {
    Field::kP2, Field::kU1, Field::kU2, Field::kWindowHeight,
    Field::kWindowWidth, Field::kTongueWidth, Field::kR1, Field::kF1,
    Field::kR2, Field::kF2,
    // results
    Field::kP1, Field::kP, Field::kS, Field::kStackThickness, Field::kN0,
    Field::kN1, Field::kN2, Field::kI1, Field::kI2, Field::kD1, Field::kD2,
    Field::kEffectiveHeight, Field::kTurnsPerLayer1, Field::kM1,
    Field::kTurnsPerLayer2, Field::kM2, Field::kH1, Field::kH2,
    Field::kCoilThickness};

}  // namespace

const std::array<Field, kFieldCount>& ReadingOrder() { return kReadingOrder; }

const std::array<FieldInfo, kFieldCount>& Catalogue() { return kCatalogue; }

const FieldInfo& InfoOf(Field field) {
  return kCatalogue[static_cast<std::size_t>(ControlNumber(field) - 1)];
}

std::string FullCaption(const FieldInfo& info) {
  std::string caption = info.caption;
  for (std::string_view colon : {"：", ":"}) {
    if (caption.ends_with(colon)) caption.erase(caption.size() - colon.size());
  }
  switch (info.field) {
    case Field::kD1:
    case Field::kD2:
      return "导线线径（" + caption + "）";
    case Field::kR1:
    case Field::kF1:
      return "初级" + caption;
    case Field::kR2:
    case Field::kF2:
      return "次级" + caption;
    default:
      break;
  }
  return caption;
}

std::optional<Field> FieldByControlName(std::string_view name) {
  for (const FieldInfo& info : kCatalogue) {
    if (name == info.control) return info.field;
  }
  return std::nullopt;
}

std::optional<Field> FieldBySymbol(std::string_view symbol) {
  for (const FieldInfo& info : kCatalogue) {
    if (symbol == info.symbol) return info.field;
  }
  return std::nullopt;
}

}  // namespace spulix
