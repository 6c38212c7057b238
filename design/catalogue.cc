// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of the 29 quantities: one table shared by the engine, the
// tool and the window.
#include <algorithm>

#include "design/transformer_design.h"
#include "design/user_text.h"

namespace spulix {
namespace {

using R = FieldRole;

constexpr std::array<FieldInfo, kFieldCount> kCatalogue = {{
    {Field::kOutputPower, "Text1", "P2", "Label1",
     SPULIX_TEXT("Field", "变压器输出功率"), "Label36",
     SPULIX_TEXT("Field", "瓦(W)"), "P2", R::kTypedInput},
    {Field::kInputPower, "Text2", "P1", "Label2",
     SPULIX_TEXT("Field", "变压器输入功率"), "Label37",
     SPULIX_TEXT("Field", "瓦(W)"), "P1=P2/η", R::kResult},
    {Field::kRatedPower, "Text3", "P", "Label3",
     SPULIX_TEXT("Field", "变压器额定功率"), "Label38",
     SPULIX_TEXT("Field", "瓦(W)"), SPULIX_TEXT("Field", "P=（P1+P2）/2"),
     R::kResult},
    {Field::kCoreSection, "Text4", "S", "Label4",
     SPULIX_TEXT("Field", "铁心截面积"), "Label39",
     SPULIX_TEXT("Field", "平方厘米"), SPULIX_TEXT("Field", "S=K∫P或S=Kc*a*b"),
     R::kResult},
    {Field::kWindowHeight, "Text5", "h", "Label6",
     SPULIX_TEXT("Field", "窗口高度"), "Label40", SPULIX_TEXT("Field", "毫米"),
     "h", R::kTypedInput},
    {Field::kWindowWidth, "Text6", "c", "Label7",
     SPULIX_TEXT("Field", "窗口宽度"), "Label42", SPULIX_TEXT("Field", "毫米"),
     "c", R::kTypedInput},
    {Field::kTongueWidth, "Text7", "a", "Label8", SPULIX_TEXT("Field", "舌宽"),
     "Label41", SPULIX_TEXT("Field", "毫米"), "a", R::kTypedInput},
    {Field::kStackThickness, "Text8", "b", "Label9",
     SPULIX_TEXT("Field", "迭厚"), "Label43", SPULIX_TEXT("Field", "毫米"),
     SPULIX_TEXT("Field", "b=S/（Kc*a）"), R::kResult},
    {Field::kTurnsPerVolt, "Text9", "N0", "Label10",
     SPULIX_TEXT("Field", "每伏电压应绕匝数"), "Label44",
     SPULIX_TEXT("Field", "匝/伏"), "N0=450000/Bm*S", R::kResult},
    {Field::kInputVoltage, "Text10", "U1", "Label16",
     SPULIX_TEXT("Field", "输入电压"), "Label34", SPULIX_TEXT("Field", "伏(V)"),
     nullptr, R::kTypedInput},
    {Field::kOutputVoltage, "Text11", "U2", "Label17",
     SPULIX_TEXT("Field", "输出电压"), "Label35", SPULIX_TEXT("Field", "伏(V)"),
     nullptr, R::kTypedInput},
    {Field::kPrimaryTurns, "Text12", "N1", "Label11",
     SPULIX_TEXT("Field", "初级绕组匝数"), "Label45",
     SPULIX_TEXT("Field", "匝"), "N1=N0*U1", R::kResult},
    {Field::kSecondaryTurns, "Text13", "N2", "Label12",
     SPULIX_TEXT("Field", "次级绕组匝数"), "Label46",
     SPULIX_TEXT("Field", "匝"), "N2=1.05*N0*U2", R::kResult},
    {Field::kPrimaryCurrent, "Text14", "I1", "Label13",
     SPULIX_TEXT("Field", "初级绕组电流"), "Label47",
     SPULIX_TEXT("Field", "安培"), "I1=P1/U1*1.1", R::kResult},
    {Field::kSecondaryCurrent, "Text15", "I2", "Label14",
     SPULIX_TEXT("Field", "次级绕组电流"), "Label48",
     SPULIX_TEXT("Field", "安培"), "I2=P2/U2", R::kResult},
    // d1's row also carries "导线线径" (Label15) before this caption.
    {Field::kPrimaryWireDiameter, "Text16", "d1", "Label26",
     SPULIX_TEXT("Field", "输入线径："), "Label49",
     SPULIX_TEXT("Field", "毫米"), "d1=0.715∫I1", R::kWireDiameter},
    {Field::kSecondaryWireDiameter, "Text17", "d2", "Label27",
     SPULIX_TEXT("Field", "输出线径："), "Label50",
     SPULIX_TEXT("Field", "毫米"), "d2=0.715∫I2", R::kWireDiameter},
    {Field::kEffectiveHeight, "Text18", "h'", "Label18",
     SPULIX_TEXT("Field", "铁心窗口的有效高度"), "Label51",
     SPULIX_TEXT("Field", "毫米"), SPULIX_TEXT("Field", "h'=0.9*(h-2毫米)"),
     R::kResult},
    {Field::kCoilThickness, "Text19", "H", "Label25",
     SPULIX_TEXT("Field", "整个线包总厚度"), "Label58",
     SPULIX_TEXT("Field", "毫米"), "H=(B0+H1+H2)*1.1", R::kResult},
    {Field::kSecondaryThickness, "Text20", "H2", "Label24",
     SPULIX_TEXT("Field", "次级绕组总厚度"), "Label57",
     SPULIX_TEXT("Field", "毫米"), "H2=m2*d2'+(m2-1)*f2+r2", R::kResult},
    {Field::kSecondaryLayers, "Text21", "m2", "Label23",
     SPULIX_TEXT("Field", "次级绕组需绕层数"), "Label56",
     SPULIX_TEXT("Field", "层"), "m2=N2/n2'", R::kResult},
    {Field::kSecondaryTurnsPerLayer, "Text22", "n2'", "Label22",
     SPULIX_TEXT("Field", "次级绕组每层匝数"), "Label55",
     SPULIX_TEXT("Field", "匝"), "n2'=h'/d2'", R::kResult},
    {Field::kPrimaryThickness, "Text23", "H1", "Label21",
     SPULIX_TEXT("Field", "初级绕组总厚度"), "Label54",
     SPULIX_TEXT("Field", "毫米"), "H1=m1*(d1'+f1)+r1", R::kResult},
    {Field::kPrimaryLayers, "Text24", "m1", "Label20",
     SPULIX_TEXT("Field", "初级绕组需绕层数"), "Label53",
     SPULIX_TEXT("Field", "层"), "m1=N1/n1'", R::kResult},
    {Field::kPrimaryTurnsPerLayer, "Text25", "n1'", "Label19",
     SPULIX_TEXT("Field", "初级绕组每层匝数"), "Label52",
     SPULIX_TEXT("Field", "匝"), "n1'=h'/d1'", R::kResult},
    {Field::kPrimaryOuterInsulation, "Text26", "r1", "Label28",
     SPULIX_TEXT("Field", "外层绝缘:"), "Label59", SPULIX_TEXT("Field", "毫米"),
     "r1", R::kInsulationInput},
    {Field::kPrimaryInterlayerInsulation, "Text27", "f1", "Label29",
     SPULIX_TEXT("Field", "层间绝缘:"), "Label60", SPULIX_TEXT("Field", "毫米"),
     "f1", R::kInsulationInput},
    {Field::kSecondaryInterlayerInsulation, "Text28", "f2", "Label30",
     SPULIX_TEXT("Field", "层间绝缘:"), "Label62", SPULIX_TEXT("Field", "毫米"),
     "f2", R::kInsulationInput},
    {Field::kSecondaryOuterInsulation, "Text29", "r2", "Label31",
     SPULIX_TEXT("Field", "外层绝缘:"), "Label61", SPULIX_TEXT("Field", "毫米"),
     "r2", R::kInsulationInput},
}};

constexpr std::array<Field, kFieldCount> kReadingOrder = {
    Field::kOutputPower, Field::kInputVoltage, Field::kOutputVoltage,
    Field::kWindowHeight, Field::kWindowWidth, Field::kTongueWidth,
    Field::kPrimaryOuterInsulation, Field::kPrimaryInterlayerInsulation,
    Field::kSecondaryOuterInsulation, Field::kSecondaryInterlayerInsulation,
    // results
    Field::kInputPower, Field::kRatedPower, Field::kCoreSection,
    Field::kStackThickness, Field::kTurnsPerVolt, Field::kPrimaryTurns,
    Field::kSecondaryTurns, Field::kPrimaryCurrent, Field::kSecondaryCurrent,
    Field::kPrimaryWireDiameter, Field::kSecondaryWireDiameter,
    Field::kEffectiveHeight, Field::kPrimaryTurnsPerLayer,
    Field::kPrimaryLayers, Field::kSecondaryTurnsPerLayer,
    Field::kSecondaryLayers, Field::kPrimaryThickness,
    Field::kSecondaryThickness, Field::kCoilThickness};

}  // namespace

const std::array<Field, kFieldCount>& ReadingOrder() { return kReadingOrder; }

const std::array<FieldInfo, kFieldCount>& Catalogue() { return kCatalogue; }

const FieldInfo& InfoOf(Field field) {
  return kCatalogue[static_cast<std::size_t>(ControlNumber(field) - 1)];
}

UserText FullCaptionText(const FieldInfo& info) {
  // The captions that only make sense beside their neighbours, in full.
  const auto full = [](const char* caption) {
    return Marked("FullCaption", caption);
  };
  switch (info.field) {
    case Field::kPrimaryWireDiameter:
      return full(SPULIX_TEXT("FullCaption", "导线线径（输入线径）"));
    case Field::kSecondaryWireDiameter:
      return full(SPULIX_TEXT("FullCaption", "导线线径（输出线径）"));
    case Field::kPrimaryOuterInsulation:
      return full(SPULIX_TEXT("FullCaption", "初级外层绝缘"));
    case Field::kPrimaryInterlayerInsulation:
      return full(SPULIX_TEXT("FullCaption", "初级层间绝缘"));
    case Field::kSecondaryOuterInsulation:
      return full(SPULIX_TEXT("FullCaption", "次级外层绝缘"));
    case Field::kSecondaryInterlayerInsulation:
      return full(SPULIX_TEXT("FullCaption", "次级层间绝缘"));
    default:
      break;
  }
  return Marked("Field", info.caption);
}

std::string FullCaption(const FieldInfo& info) {
  return Compose(FullCaptionText(info));
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
