// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_layout.h"

#include <array>

namespace spulix {
namespace {

constexpr std::array<FieldStyleInfo, 4> kStyles = {{
    {FieldStyle::kTypedInput, 0x00C000, 0xFFFFFF, true, 19, true},
    {FieldStyle::kInsulationInput, 0x8080FF, kDefaultColour, true, 16, true},
    {FieldStyle::kWireDiameter, 0xC0C0C0, kDefaultColour, true, 19, true},
    {FieldStyle::kResult, 0x000000, 0xFFFFFF, false, 19, false},
}};

constexpr FieldColumn kInputVoltage{Container::kWindow, 1320, 735, 375, 2280};
constexpr FieldColumn kOutputVoltage{Container::kWindow, 3960, 735, 375, 4800};
constexpr FieldColumn kLeft{Container::kWindow, 1800, 1335, 495, 3240};
constexpr FieldColumn kMiddle{Container::kWindow, 5640, 1335, 495, 7080};
constexpr FieldColumn kRight{Container::kWindow, 9480, 1335, 495, 10920};
constexpr FieldColumn kPrimaryFrame{Container::kFrame1, 1080, 735, 375, 1920};
constexpr FieldColumn kSecondaryFrame{Container::kFrame2, 1080, 735, 375, 1920};

using F = Field;
using S = FieldStyle;
constexpr S kIn = S::kTypedInput;
constexpr S kIns = S::kInsulationInput;
constexpr S kWire = S::kWireDiameter;
constexpr S kOut = S::kResult;

// clang-format off
constexpr auto kFieldRows = std::to_array<FieldRow>({
  // field, column, top, caption label, left, top, caption, tool tip,
  // unit label, unit, unit box, style, tab
  {F::kU1, &kInputVoltage, 1200, "Label16", 360, 1320, "输入电压", nullptr,
   "Label34", "伏(V)", 0, 0, kIn, 25},
  {F::kU2, &kOutputVoltage, 1200, "Label17", 3000, 1320, "输出电压", nullptr,
   "Label35", "伏(V)", 0, 0, kIn, 26},

  {F::kP2, &kLeft, 2520, "Label1", 240, 2640, "变压器输出功率", "P2",
   "Label36", "瓦(W)", 0, 0, kIn, 5},
  {F::kP1, &kLeft, 3000, "Label2", 240, 3120, "变压器输入功率", "P1=P2/η",
   "Label37", "瓦(W)", 0, 0, kOut, 85},
  {F::kP, &kLeft, 3480, "Label3", 240, 3600, "变压器额定功率",
   "P=（P1+P2）/2", "Label38", "瓦(W)", 0, 0, kOut, 6},
  {F::kS, &kLeft, 3960, "Label4", 240, 4080, "铁心截面积", "S=K∫P或S=Kc*a*b",
   "Label39", "平方厘米", 480, 420, kOut, 7},
  {F::kWindowHeight, &kLeft, 4440, "Label6", 240, 4560, "窗口高度", "h",
   "Label40", "毫米", 0, 0, kIn, 8},
  {F::kWindowWidth, &kLeft, 4920, "Label7", 240, 5040, "窗口宽度", "c",
   "Label42", "毫米", 0, 0, kIn, 11},
  {F::kTongueWidth, &kLeft, 5400, "Label8", 240, 5520, "舌宽", "a",
   "Label41", "毫米", 0, 0, kIn, 12},
  {F::kStackThickness, &kLeft, 5880, "Label9", 240, 6000, "迭厚",
   "b=S/（Kc*a）", "Label43", "毫米", 0, 0, kOut, 15},
  {F::kN0, &kLeft, 6360, "Label10", 240, 6480, "每伏电压应绕匝数",
   "N0=450000/Bm*S", "Label44", "匝/伏", 0, 0, kOut, 22},
  {F::kN1, &kLeft, 6840, "Label11", 240, 6960, "初级绕组匝数", "N1=N0*U1",
   "Label45", "匝", 0, 0, kOut, 27},

  {F::kN2, &kMiddle, 2520, "Label12", 3960, 2640, "次级绕组匝数",
   "N2=1.05*N0*U2", "Label46", "匝", 0, 0, kOut, 28},
  {F::kI1, &kMiddle, 3000, "Label13", 3960, 3120, "初级绕组电流",
   "I1=P1/U1*1.1", "Label47", "安培", 0, 0, kOut, 29},
  {F::kI2, &kMiddle, 3480, "Label14", 3960, 3600, "次级绕组电流", "I2=P2/U2",
   "Label48", "安培", 0, 0, kOut, 30},
  {F::kD1, &kMiddle, 3960, "Label26", 4680, 4080, "输入线径：", "d1=0.715∫I1",
   "Label49", "毫米", 0, 0, kWire, 31},
  {F::kD2, &kMiddle, 4440, "Label27", 4680, 4560, "输出线径：", "d2=0.715∫I2",
   "Label50", "毫米", 0, 0, kWire, 32},
  {F::kEffectiveHeight, &kMiddle, 4920, "Label18", 3960, 5160,
   "铁心窗口的有效高度", "h'=0.9*(h-2毫米)", "Label51", "毫米", 0, 0, kOut, 41},
  {F::kTurnsPerLayer1, &kMiddle, 5400, "Label19", 3960, 5640,
   "初级绕组每层匝数", "n1'=h'/d1'", "Label52", "匝", 0, 0, kOut, 48},
  {F::kM1, &kMiddle, 5880, "Label20", 3960, 6120, "初级绕组需绕层数",
   "m1=N1/n1'", "Label53", "层", 0, 0, kOut, 47},
  {F::kH1, &kMiddle, 6360, "Label21", 3960, 6600, "初级绕组总厚度",
   "H1=m1*(d1'+f1)+r1", "Label54", "毫米", 0, 0, kOut, 46},
  {F::kTurnsPerLayer2, &kMiddle, 6840, "Label22", 3960, 7080,
   "次级绕组每层匝数", "n2'=h'/d2'", "Label55", "匝", 0, 0, kOut, 45},

  {F::kM2, &kRight, 2520, "Label23", 7920, 2760, "次级绕组需绕层数",
   "m2=N2/n2'", "Label56", "层", 0, 0, kOut, 44},
  {F::kH2, &kRight, 3000, "Label24", 7920, 3240, "次级绕组总厚度",
   "H2=m2*d2'+(m2-1)*f2+r2", "Label57", "毫米", 0, 0, kOut, 43},
  {F::kCoilThickness, &kRight, 3480, "Label25", 7920, 3720, "整个线包总厚度",
   "H=(B0+H1+H2)*1.1", "Label58", "毫米", 0, 0, kOut, 42},

  {F::kR1, &kPrimaryFrame, 240, "Label28", 240, 360, "外层绝缘:", "r1",
   "Label59", "毫米", 0, 0, kIns, 54},
  {F::kF1, &kPrimaryFrame, 600, "Label29", 240, 720, "层间绝缘:", "f1",
   "Label60", "毫米", 0, 0, kIns, 55},
  {F::kR2, &kSecondaryFrame, 240, "Label31", 240, 360, "外层绝缘:", "r2",
   "Label61", "毫米", 0, 0, kIns, 62},
  {F::kF2, &kSecondaryFrame, 600, "Label30", 240, 720, "层间绝缘:", "f2",
   "Label62", "毫米", 0, 0, kIns, 61},
});
static_assert(kFieldRows.size() == kFieldCount);

using K = ControlKind;
using C = Container;
constexpr std::uint32_t kDef = kDefaultColour;
constexpr ControlFont kWin = ControlFont::kWindow;

constexpr auto kControlRows = std::to_array<ControlRow>({
  // name, kind, container, left, top, width, height, caption, tool tip,
  // picture, icon pixels, text colour, background, font, tab
  {"Label32", K::kStrip, C::kWindow, 0, 0, 11535, 495, nullptr, nullptr,
   nullptr, 0, kDef, kToolTipTextColour, kWin, 67},
  {"Command4", K::kPictureButton, C::kWindow, 0, 0, 735, 495, nullptr, "打印",
   ":/icons/print.png", 32, kDef, kDef, kWin, 59},
  {"Command2", K::kPictureButton, C::kWindow, 720, 0, 735, 495, nullptr,
   "刷新", ":/icons/refresh.png", 32, kDef, kDef, kWin, 58},
  {"Command3", K::kPictureButton, C::kWindow, 1440, 0, 735, 495, nullptr,
   "清空", ":/icons/clear.png", 32, kDef, kDef, kWin, 65},
  {"Command6", K::kPictureButton, C::kWindow, 2160, 0, 735, 495, nullptr,
   "查询", ":/icons/query.png", 32, kDef, kDef, kWin, 57},
  {"Command12", K::kPictureButton, C::kWindow, 2880, 0, 735, 495, nullptr,
   "计算器", ":/icons/calculator.png", 32, kDef, kDef, kWin, 111},
  {"Command7", K::kPictureButton, C::kWindow, 3600, 0, 735, 495, nullptr,
   "关于", ":/icons/about.png", 32, kDef, kDef, kWin, 68},
  {"Command9", K::kTextButton, C::kWindow, 4335, 30, 645, 435, "测试", "测试",
   nullptr, 0, kDef, kDef, kWin, 84},
  {"Label5", K::kAutoLabel, C::kWindow, 7560, 120, 0, 240, nullptr, nullptr,
   nullptr, 0, 0x00C000, kDef, ControlFont::kClock, 4},
  {"Command1", K::kPictureButton, C::kWindow, 11040, 0, 615, 495, nullptr,
   "退出", ":/icons/exit.png", 20, kDef, kDef, kWin, 56},

  {"Frame1", K::kFrame, C::kWindow, 5760, 960, 2535, 1095, "初级绕组绝缘:",
   nullptr, nullptr, 0, kDef, kDef, kWin, 51},
  {"Frame2", K::kFrame, C::kWindow, 8400, 960, 2535, 1095, "次级绕组绝缘:",
   nullptr, nullptr, 0, kDef, kDef, kWin, 60},
  // The d1 row reads "导线线径" before its own caption "输入线径：".
  {"Label15", K::kAutoLabel, C::kWindow, 3960, 4080, 0, 180, "导线线径",
   nullptr, nullptr, 0, kDef, kDef, kWin, 0},

  {"Command5", K::kTextButton, C::kWindow, 8400, 4320, 2895, 375,
   "？铁心是否可用", nullptr, nullptr, 0, kDef, kDef, kWin, 66},
  // Command10 covers Command11 in the same rectangle.
  {"Command11", K::kTextButton, C::kWindow, 10920, 4800, 375, 180, nullptr,
   nullptr, nullptr, 0, kDef, kDef, kWin, 110},
  {"Command10", K::kTextButton, C::kWindow, 10920, 4800, 375, 180, nullptr,
   nullptr, nullptr, 0, kDef, kDef, kWin, 109},
  {"Label63", K::kAutoLabel, C::kWindow, 8760, 4920, 0, 180, "窗口宽度",
   nullptr, nullptr, 0, kDef, kDef, kWin, 103},
  {"Picture1", K::kPicture, C::kWindow, 8280, 5160, 2925, 1980, nullptr,
   nullptr, ":/pictures/core_diagram.png", 0, kDef, kDef, kWin, 102},
  {"Label66", K::kAutoLabel, C::kPicture1, 720, 120, 0, 180, nullptr, nullptr,
   nullptr, 0, kDef, 0xD6D2D7, kWin, 106},
  {"Label67", K::kAutoLabel, C::kPicture1, 1440, 1560, 0, 180, nullptr,
   nullptr, nullptr, 0, kDef, 0xD6D2D7, kWin, 107},
  {"Label68", K::kAutoLabel, C::kPicture1, 2400, 840, 0, 180, nullptr, nullptr,
   nullptr, 0, kDef, 0xD6D2D7, kWin, 108},
  {"Label65", K::kWrappedLabel, C::kWindow, 11280, 5880, 255, 735, "窗口高度",
   nullptr, nullptr, 0, kDef, kDef, kWin, 104},
  {"Label64", K::kAutoLabel, C::kWindow, 9600, 7200, 0, 180, "舌宽", nullptr,
   nullptr, 0, kDef, 0xC0C0C0, kWin, 105},

  {"Frame3", K::kFrame, C::kWindow, 0, 7440, 11655, 615, nullptr, nullptr,
   nullptr, 0, kDef, kDef, kWin, 69},
  {"Label33", K::kFixedLabel, C::kFrame3, 360, 240, 4215, 255, nullptr,
   nullptr, nullptr, 0, kDef, kDef, kWin, 70},

  {"Frame4", K::kFrame, C::kWindow, 2160, 480, 2175, 2055, nullptr, nullptr,
   nullptr, 0, kDef, 0x8080FF, kWin, 112},
  {"Label69", K::kLinkLabel, C::kFrame4, 240, 360, 0, 180, "变压器效率表...η",
   nullptr, nullptr, 0, 0xFFFFFF, kDef, ControlFont::kLink, 113},
  {"Label71", K::kLinkLabel, C::kFrame4, 240, 720, 0, 180,
   "额定功率系数表...K", nullptr, nullptr, 0, 0xFFFFFF, kDef,
   ControlFont::kLink, 115},
  {"Label72", K::kLinkLabel, C::kFrame4, 240, 1080, 0, 180, "磁通密度表...Bm",
   nullptr, nullptr, 0, 0xFFFFFF, kDef, ControlFont::kLink, 116},
  {"Label73", K::kLinkLabel, C::kFrame4, 240, 1440, 0, 180, "间隙系数...Kc",
   nullptr, nullptr, 0, 0xFFFFFF, kDef, ControlFont::kLink, 117},
});
// clang-format on

constexpr std::array<MenuItemRow, 2> kFileItems = {{
    {"DY", "打印"},
    {"tc", "退出"},
}};
constexpr std::array<MenuItemRow, 2> kQueryItems = {{
    {"QK", "清空"},
    {"SX", "刷新"},
}};
constexpr std::array<MenuItemRow, 4> kEditItems = {{
    {"XLB", "变压器效率表...η"},
    {"XSB", "额定功率系数表...K"},
    {"MDB", "磁通密度表...Bm"},
    {"JXXS", "间隙系数...Kc"},
}};
constexpr std::array<MenuItemRow, 2> kHelpItems = {{
    {"HELP", "帮助"},
    {"ABORT", "关于"},
}};
constexpr std::array<MenuRow, 4> kMenus = {{
    {"WJ", "文件", kFileItems},
    {"CX", "查询", kQueryItems},
    {"BJ", "编辑", kEditItems},
    {"BZ", "帮助", kHelpItems},
}};

}  // namespace

const FieldStyleInfo& StyleInfo(FieldStyle style) {
  return kStyles[static_cast<int>(style)];
}

std::span<const FieldRow> FieldRows() { return kFieldRows; }
std::span<const ControlRow> ControlRows() { return kControlRows; }
std::span<const MenuRow> MenuRows() { return kMenus; }

const char* ContainerName(Container container) {
  switch (container) {
    case Container::kWindow:
      return kWindowName;
    case Container::kFrame1:
      return "Frame1";
    case Container::kFrame2:
      return "Frame2";
    case Container::kFrame3:
      return "Frame3";
    case Container::kFrame4:
      return "Frame4";
    case Container::kPicture1:
      return "Picture1";
  }
  return kWindowName;
}

}  // namespace spulix
