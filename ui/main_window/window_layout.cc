// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/window_layout.h"

#include <QtGlobal>
#include <array>

#include "ui/widgets/core_diagram_figures.h"

namespace spulix {
namespace {

// Indexed by FieldRole.
constexpr std::array<FieldStyle, 4> kStyles = {{
    {Rgb(0x00C000), Rgb(0xFFFFFF), true, 19, true},    // typed input
    {Rgb(0x8080FF), kPlatformColour, true, 16, true},  // insulation input
    {Rgb(0xC0C0C0), kPlatformColour, true, 19, true},  // wire diameter
    {Rgb(0x000000), Rgb(0xFFFFFF), false, 19, false},  // result
}};

constexpr FieldColumn kInputVoltage{Container::kWindow, 1320, 735, 375, 2280};
constexpr FieldColumn kOutputVoltage{Container::kWindow, 3960, 735, 375, 4800};
constexpr FieldColumn kLeft{Container::kWindow, 1800, 1335, 495, 3240};
constexpr FieldColumn kMiddle{Container::kWindow, 5640, 1335, 495, 7080};
constexpr FieldColumn kRight{Container::kWindow, 9480, 1335, 495, 10920};
constexpr FieldColumn kPrimaryFrame{Container::kFrame1, 1080, 735, 375, 1920};
constexpr FieldColumn kSecondaryFrame{Container::kFrame2, 1080, 735, 375, 1920};

using F = Field;

// clang-format off
constexpr auto kFieldRows = std::to_array<FieldRow>({
  // field, column, field top, caption left, caption top, unit box
  {F::kInputVoltage, &kInputVoltage, 1200, 360, 1320},
  {F::kOutputVoltage, &kOutputVoltage, 1200, 3000, 1320},

  {F::kOutputPower, &kLeft, 2520, 240, 2640},
  {F::kInputPower, &kLeft, 3000, 240, 3120},
  {F::kRatedPower, &kLeft, 3480, 240, 3600},
  {F::kCoreSection, &kLeft, 3960, 240, 4080, 480, 420},
  {F::kWindowHeight, &kLeft, 4440, 240, 4560},
  {F::kWindowWidth, &kLeft, 4920, 240, 5040},
  {F::kTongueWidth, &kLeft, 5400, 240, 5520},
  {F::kStackThickness, &kLeft, 5880, 240, 6000},
  {F::kTurnsPerVolt, &kLeft, 6360, 240, 6480},
  {F::kPrimaryTurns, &kLeft, 6840, 240, 6960},

  {F::kSecondaryTurns, &kMiddle, 2520, 3960, 2640},
  {F::kPrimaryCurrent, &kMiddle, 3000, 3960, 3120},
  {F::kSecondaryCurrent, &kMiddle, 3480, 3960, 3600},
  {F::kPrimaryWireDiameter, &kMiddle, 3960, 4680, 4080},
  {F::kSecondaryWireDiameter, &kMiddle, 4440, 4680, 4560},
  {F::kEffectiveHeight, &kMiddle, 4920, 3960, 5160},
  {F::kPrimaryTurnsPerLayer, &kMiddle, 5400, 3960, 5640},
  {F::kPrimaryLayers, &kMiddle, 5880, 3960, 6120},
  {F::kPrimaryThickness, &kMiddle, 6360, 3960, 6600},
  {F::kSecondaryTurnsPerLayer, &kMiddle, 6840, 3960, 7080},

  {F::kSecondaryLayers, &kRight, 2520, 7920, 2760},
  {F::kSecondaryThickness, &kRight, 3000, 7920, 3240},
  {F::kCoilThickness, &kRight, 3480, 7920, 3720},

  {F::kPrimaryOuterInsulation, &kPrimaryFrame, 240, 240, 360},
  {F::kPrimaryInterlayerInsulation, &kPrimaryFrame, 600, 240, 720},

  {F::kSecondaryOuterInsulation, &kSecondaryFrame, 240, 240, 360},
  {F::kSecondaryInterlayerInsulation, &kSecondaryFrame, 600, 240, 720},
});
static_assert(kFieldRows.size() == kFieldCount);

using K = ControlKind;
using C = Container;
constexpr Colour kPlat = kPlatformColour;
constexpr ControlFont kWin = ControlFont::kWindow;

// A figure on the core diagram, auto-sized on its grey patch.
constexpr ControlRow Figure(const DiagramFigure& figure) {
  return {figure.label, K::kAutoLabel,   C::kPicture1, figure.left_twips,
          figure.top_twips, 0,           180,          nullptr,
          nullptr,      nullptr,         0,            kPlat,
          Rgb(0xD6D2D7), kWin};
}

constexpr auto kControlRows = std::to_array<ControlRow>({
  // name, kind, container, left, top, width, height, caption, tool tip,
  // picture, icon pixels, text colour, background, font, command, holds
  {"Label32", K::kStrip, C::kWindow, 0, 0, 11535, 495, nullptr, nullptr,
   nullptr, 0, kPlat, kToolTipTextColour, kWin},
  {"Command4", K::kPictureButton, C::kWindow, 0, 0, 735, 495, nullptr, nullptr,
   nullptr, 32, kPlat, kPlat, kWin, &MainWindowCommands::print},
  {"Command2", K::kPictureButton, C::kWindow, 720, 0, 735, 495, nullptr,
   nullptr, nullptr, 32, kPlat, kPlat, kWin, &MainWindowCommands::refresh},
  {"Command3", K::kPictureButton, C::kWindow, 1440, 0, 735, 495, nullptr,
   nullptr, nullptr, 32, kPlat, kPlat, kWin, &MainWindowCommands::clear},
  {"Command6", K::kPictureButton, C::kWindow, 2160, 0, 735, 495, nullptr,
   nullptr, nullptr, 32, kPlat, kPlat, kWin, &MainWindowCommands::query},
  {"Command12", K::kPictureButton, C::kWindow, 2880, 0, 735, 495, nullptr,
   nullptr, nullptr, 32, kPlat, kPlat, kWin, &MainWindowCommands::calculator},
  {"Command7", K::kPictureButton, C::kWindow, 3600, 0, 735, 495, nullptr,
   nullptr, nullptr, 32, kPlat, kPlat, kWin, &MainWindowCommands::about},
  {"Command9", K::kTextButton, C::kWindow, 4335, 30, 645, 435, nullptr,
   QT_TRANSLATE_NOOP("MainWindow", "测试"),
   nullptr, 0, kPlat, kPlat, kWin, &MainWindowCommands::sample_design},
  {"Label5", K::kAutoLabel, C::kWindow, 7560, 120, 0, 240, nullptr, nullptr,
   nullptr, 0, Rgb(0x00C000), kPlat, ControlFont::kClock},
  {"Command1", K::kPictureButton, C::kWindow, 11040, 0, 615, 495, nullptr,
   nullptr, nullptr, 20, kPlat, kPlat, kWin, &MainWindowCommands::exit},

  {"Frame1", K::kFrame, C::kWindow, 5760, 960, 2535, 1095,
   QT_TRANSLATE_NOOP("MainWindow", "初级绕组绝缘:"), nullptr,
   nullptr, 0, kPlat, kPlat, kWin, nullptr, C::kFrame1},
  {"Frame2", K::kFrame, C::kWindow, 8400, 960, 2535, 1095,
   QT_TRANSLATE_NOOP("MainWindow", "次级绕组绝缘:"), nullptr,
   nullptr, 0, kPlat, kPlat, kWin, nullptr, C::kFrame2},
  // The d1 row reads "导线线径" before its own caption "输入线径：".
  {"Label15", K::kAutoLabel, C::kWindow, 3960, 4080, 0, 180,
   QT_TRANSLATE_NOOP("MainWindow", "导线线径"),
   nullptr, nullptr, 0, kPlat, kPlat, kWin},

  {"Command5", K::kTextButton, C::kWindow, 8400, 4320, 2895, 375, nullptr,
   nullptr, nullptr, 0, kPlat, kPlat, kWin, &MainWindowCommands::core_fit_check},
  // Command10 covers Command11 in the same rectangle.
  {"Command11", K::kTextButton, C::kWindow, 10920, 4800, 375, 180, nullptr,
   nullptr, nullptr, 0, kPlat, kPlat, kWin, &MainWindowCommands::hide_diagram},
  {"Command10", K::kTextButton, C::kWindow, 10920, 4800, 375, 180, nullptr,
   nullptr, nullptr, 0, kPlat, kPlat, kWin, &MainWindowCommands::show_diagram},
  {"Label63", K::kAutoLabel, C::kWindow, 8760, 4920, 0, 180,
   QT_TRANSLATE_NOOP("MainWindow", "窗口宽度"), nullptr,
   nullptr, 0, kPlat, kPlat, kWin},
  {"Picture1", K::kPicture, C::kWindow, 8280, 5160, 2925, 1980, nullptr,
   nullptr, ":/pictures/core_diagram.png", 0, kPlat, kPlat, kWin, nullptr,
   C::kPicture1},
  Figure(kDiagramFigures[0]),
  Figure(kDiagramFigures[1]),
  Figure(kDiagramFigures[2]),
  {"Label65", K::kWrappedLabel, C::kWindow, 11280, 5880, 255, 735,
   QT_TRANSLATE_NOOP("MainWindow", "窗口高度"),
   nullptr, nullptr, 0, kPlat, kPlat, kWin},
  {"Label64", K::kAutoLabel, C::kWindow, 9600, 7200, 0, 180,
   QT_TRANSLATE_NOOP("MainWindow", "舌宽"), nullptr,
   nullptr, 0, kPlat, Rgb(0xC0C0C0), kWin},

  {"Frame3", K::kFrame, C::kWindow, 0, 7440, 11655, 615, nullptr, nullptr,
   nullptr, 0, kPlat, kPlat, kWin, nullptr, C::kFrame3},
  {"Label33", K::kFixedLabel, C::kFrame3, 360, 240, 4215, 255, nullptr, nullptr,
   nullptr, 0, kPlat, kPlat, kWin},

  {"Frame4", K::kFrame, C::kWindow, 2160, 480, 2175, 2055, nullptr, nullptr,
   nullptr, 0, kPlat, Rgb(0x8080FF), kWin, nullptr, C::kFrame4},
  {"Label69", K::kLinkLabel, C::kFrame4, 240, 360, 0, 180, nullptr, nullptr,
   nullptr, 0, Rgb(0xFFFFFF), kPlat, ControlFont::kLink,
   &MainWindowCommands::efficiency_table},
  {"Label71", K::kLinkLabel, C::kFrame4, 240, 720, 0, 180, nullptr, nullptr,
   nullptr, 0, Rgb(0xFFFFFF), kPlat, ControlFont::kLink,
   &MainWindowCommands::coefficient_table},
  {"Label72", K::kLinkLabel, C::kFrame4, 240, 1080, 0, 180, nullptr, nullptr,
   nullptr, 0, Rgb(0xFFFFFF), kPlat, ControlFont::kLink,
   &MainWindowCommands::flux_density_table},
  {"Label73", K::kLinkLabel, C::kFrame4, 240, 1440, 0, 180, nullptr, nullptr,
   nullptr, 0, Rgb(0xFFFFFF), kPlat, ControlFont::kLink,
   &MainWindowCommands::stacking_table},
});
// clang-format on

// Mostly down the columns, with the toolbar buttons between the insulation
// fields and P1 near the end: the order the window's users know.
constexpr const char* kTabOrder[] = {
    "Text1",  "Text3",    "Text4",     "Text5",     "Text6",     "Text7",
    "Text8",  "Text9",    "Text10",    "Text11",    "Text12",    "Text13",
    "Text14", "Text15",   "Text16",    "Text17",    "Text18",    "Text19",
    "Text20", "Text21",   "Text22",    "Text23",    "Text24",    "Text25",
    "Text26", "Text27",   "Command1",  "Command6",  "Command2",  "Command4",
    "Text28", "Text29",   "Command3",  "Command5",  "Command7",  "Command9",
    "Text2",  "Picture1", "Command10", "Command11", "Command12",
};

}  // namespace

const FieldStyle& StyleOf(FieldRole role) {
  return kStyles[static_cast<int>(role)];
}

std::span<const FieldRow> FieldRows() { return kFieldRows; }
std::span<const ControlRow> ControlRows() { return kControlRows; }

std::span<const char* const> TabOrder() { return kTabOrder; }

}  // namespace spulix
