// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page's one way into the engine: a design in a memory store,
// driven by the page's keystrokes, double-clicks and buttons exactly as the
// window drives its fields, with the winding sheet, the recommended core
// and design files beside it. Every answer is one JSON text, so that the
// page needs to know nothing of C++ and the engine nothing of the browser.
#ifndef SPULIX_WEB_WEB_DESIGN_H_
#define SPULIX_WEB_WEB_DESIGN_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/sheet/core_search.h"
#include "design/user_text.h"

namespace spulix {

class WebDesign {
 public:
  WebDesign();

  // "en" for English; anything else is Chinese.
  void SetLanguage(const std::string& language);
  std::string language() const { return english_ ? "en" : "zh"; }

  // The page's texts in the current language: the 29 fields' symbols,
  // captions, units and formulas, the buttons, the sheet's headings and the
  // steel grades, as {"fields": [...], "texts": {...}, "steels": [...]}.
  std::string PageTexts() const;

  // What the page shows after any action: {"fields": [29 texts, Text1
  // first], "status", "figures": [c, a, h], "choices", "messages": [the
  // messages the action showed, in order, in the page's language]}.
  std::string State();

  // A field's text as the user left it (one keystroke, a paste, a
  // deletion); runs the field's reaction when the text changed.
  std::string Type(int control, const std::string& text);
  // A double-click on a field (d1 and d2 recompute the build-up).
  std::string DoubleClick(int control);
  // A button by its control name: Command9, Command5, Command2, Command3.
  // An unknown name changes nothing and says so.
  std::string Press(const std::string& name);

  // The winding sheet of the design with its choices, as texts, and the
  // recommended core: {"title", "rows", "verdict", "fits", "figures",
  // "wires", "notes", "recommended": {"name", "text"}} or {"error", ...}.
  std::string Sheet() const;
  // Puts the recommended core's h, c and a in and calculates again, as the
  // desktop's 使用推荐铁心 does; says so where there is none.
  std::string UseRecommended();
  // The core in hand (这个铁心能做多大): the largest whole P2 the core
  // gives with this design's voltages, insulation and choices, as
  // {"answer", "p2" (none where no power builds), "fits"}. `core` is a
  // catalogue index, or -1 for the core in the fields (h, c and a).
  std::string RateCore(int core) const;
  // Designs for that power, as the desktop's 按此功率设计 does: a catalogue
  // core is put in as 使用 does, then P2 typed.
  std::string UseRating(int core);

  // The sheet's choices: {"enamel_grade": 1|2, "steel", "center_tap",
  // "stack_mm", "extras": [{"U", "I", "center_tap"}]}; members left out,
  // and a grade
  // or steel the sheet does not know, stay as they are (the page offers
  // only those it knows). The extras' texts are kept as typed: the sheet
  // says what it cannot use.
  std::string SetChoices(const std::string& json);

  // Opens a design file's bytes (the page reads no file over MaxFileBytes
  // and passes its size alone); a refused file leaves the design as it was.
  std::string Open(const std::string& file_name, double size,
                   const std::string& bytes);
  // The design as file text with the name to save it under:
  // {"file", "text"}, or {"messages": [why it cannot be saved]}.
  std::string Save();
  static double MaxFileBytes();

  const MemoryStore& store() const { return store_; }

 private:
  std::string Tr(const char* context, const char* source) const;
  std::string Say(const UserText& text) const;
  std::string SaveName() const;
  CoreRecommendation Recommendation() const;
  std::optional<CoreEntry> CoreToRate(int core) const;

  bool english_ = false;
  Translate translate_;
  MemoryStore store_;
  CoreCatalogue catalogue_;
  std::optional<std::string> file_name_;  // of the design last opened
  // What the page itself refused since the last State, translated.
  std::vector<std::string> notices_;
};

}  // namespace spulix

#endif  // SPULIX_WEB_WEB_DESIGN_H_
