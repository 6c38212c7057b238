// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as data: every control's name, container, rectangle in
// twips, caption, colours, font, tool tip and tab position, and the menus.
// The window is built from these tables only, so each rectangle is written
// once.
#ifndef SPULIX_UI_WINDOW_LAYOUT_H_
#define SPULIX_UI_WINDOW_LAYOUT_H_

#include <cstdint>
#include <span>

#include "design/field_store.h"

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

// Colours are 0xRRGGBB; these two values stand for "the platform's colour".
inline constexpr std::uint32_t kDefaultColour = 0x1000000;
inline constexpr std::uint32_t kToolTipTextColour = 0x2000000;

enum class Container { kWindow, kFrame1, kFrame2, kFrame3, kFrame4, kPicture1 };

// Field styles tell the user which fields to type into.
enum class FieldStyle { kTypedInput, kInsulationInput, kWireDiameter, kResult };

struct FieldStyleInfo {
  FieldStyle style;
  std::uint32_t background;
  std::uint32_t text;
  bool hei;  // 黑体 rather than 宋体
  int pixel_size;
  bool bold;
};
const FieldStyleInfo& StyleInfo(FieldStyle style);

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

struct FieldRow {
  Field field;
  const FieldColumn* column;
  int field_top;
  const char* caption_label;
  int caption_left;
  int caption_top;
  const char* caption;
  const char* tool_tip;  // nullptr: none
  const char* unit_label;
  const char* unit;
  // 0: the unit label sizes itself to its caption; else a fixed box that
  // wraps the caption inside it.
  int unit_box_width;
  int unit_box_height;
  FieldStyle style;
  int tab;
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
  const char* caption;  // nullptr: none
  const char* tool_tip;
  const char* picture;  // resource path of the icon or picture
  int icon_pixels;      // icon size of picture buttons
  std::uint32_t text_colour;
  std::uint32_t background;
  ControlFont font;
  int tab;
};

// Every control that is not a field or a field's caption or unit label, in
// creation order (containers before what they hold).
std::span<const ControlRow> ControlRows();

struct MenuItemRow {
  const char* name;
  const char* caption;
};
struct MenuRow {
  const char* name;
  const char* caption;
  std::span<const MenuItemRow> items;
};
std::span<const MenuRow> MenuRows();

// Containers by name, for building and for tests.
const char* ContainerName(Container container);

}  // namespace spulix

#endif  // SPULIX_UI_WINDOW_LAYOUT_H_
