// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as data: where every control stands (in twips), its
// container, colours, font, the command it runs and the tab order. Texts
// come from elsewhere: the fields' captions, units, tool tips and roles from
// the engine's catalogue, the commands' captions and icons from their
// actions; this file keeps only what the window alone needs.
#ifndef SPULIX_UI_MAIN_WINDOW_WINDOW_LAYOUT_H_
#define SPULIX_UI_MAIN_WINDOW_WINDOW_LAYOUT_H_

#include <cstdint>
#include <optional>
#include <span>

#include "design/transformer_design.h"
#include "ui/main_window/main_window_commands.h"

namespace spulix {

// 15 twips are one logical pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

// The client area below the menu bar.
inline constexpr int kClientWidthTwips = 11655;
inline constexpr int kClientHeightTwips = 8085;

inline constexpr const char* kWindowName = "Form1";
inline constexpr const char* kWindowTitle = " Spulix";
inline constexpr const char* kWindowIcon = ":/icons/spulix.png";
inline constexpr const char* kTimerName = "Timer1";
// The clock first shows 50 ms after the window is created, then at each
// change of the second.
inline constexpr int kClockFirstTickMs = 50;

// A colour of the tables: the platform's own for that kind of control, the
// platform's tool-tip text colour, or a fixed 0xRRGGBB.
struct Colour {
  enum class Source { kPlatform, kToolTipText, kRgb };
  Source source = Source::kPlatform;
  std::uint32_t rgb = 0;
};
inline constexpr Colour kPlatformColour{};
inline constexpr Colour kToolTipTextColour{Colour::Source::kToolTipText};
inline constexpr Colour Rgb(std::uint32_t rgb) {
  return {Colour::Source::kRgb, rgb};
}

enum class Container { kWindow, kFrame1, kFrame2, kFrame3, kFrame4, kPicture1 };
inline constexpr int kContainerCount = 6;

// How the fields of one role look: the colours and font that tell the user
// which fields to type into.
struct FieldStyle {
  Colour background;
  Colour text;
  bool hei;  // 黑体 rather than 宋体
  int pixel_size;
  bool bold;
};
const FieldStyle& StyleOf(FieldRole role);

// Geometry shared by the fields of one column (or one row of the voltage
// row, or one insulation frame). Unit labels stand 120 twips below the top
// of their field.
struct FieldColumn {
  Container container;
  int field_left;
  int field_width;
  int field_height;
  int unit_left;
};
inline constexpr int kUnitDropTwips = 120;

// Where one field and its caption and unit labels stand; their names and
// texts are the catalogue's (InfoOf(field)).
struct FieldRow {
  Field field;
  const FieldColumn* column;
  int field_top;
  int caption_left;
  int caption_top;
  // 0: the unit label sizes itself to its caption; else a fixed box that
  // wraps the caption inside it.
  int unit_box_width = 0;
  int unit_box_height = 0;
};

// The 29 field rows: voltage row, left, middle and right columns, then the
// two insulation frames.
std::span<const FieldRow> FieldRows();

enum class ControlKind {
  kPictureButton,  // icon only, centred
  kTextButton,
  kAutoLabel,     // sizes itself to its caption and grows with it
  kFixedLabel,    // keeps its rectangle, one line
  kWrappedLabel,  // keeps its rectangle, wraps one line per fitting run
  kLinkLabel,     // auto-sized, clickable
  kStrip,         // a bare coloured rectangle
  kFrame,
  kPicture,  // sunken picture box sized to its picture
};

enum class ControlFont { kWindow, kClock, kLink };

struct ControlRow {
  const char* name;
  ControlKind kind;
  Container container;
  int left;
  int top;
  int width;  // for auto-sized labels: 0 (taken from the caption)
  int height;
  const char* caption;  // nullptr: none, or the command's caption
  const char* tool_tip;
  const char* picture;  // resource path of the picture box's picture
  int icon_pixels;      // icon size of picture buttons
  Colour text;
  Colour background;
  ControlFont font;
  // The command a button or link runs; it gives the control its caption
  // (picture buttons: icon and tool tip).
  QAction* MainWindowCommands::*command = nullptr;
  // The container this control is, for the rows after it.
  std::optional<Container> holds = std::nullopt;
};

// Every control that is not a field or a field's caption or unit label, in
// creation order (containers before what they hold).
std::span<const ControlRow> ControlRows();

// Object names of the controls that take the focus, in the order Tab
// visits them.
std::span<const char* const> TabOrder();

}  // namespace spulix

#endif  // SPULIX_UI_MAIN_WINDOW_WINDOW_LAYOUT_H_
