// SPDX-License-Identifier: GPL-3.0-or-later
// A design held in memory behind the FieldStore of the engine: its texts,
// diagram figures and sheet choices, with the status line and every message
// shown. spulix-calc and the browser page work on one; the winding sheet
// and the core searches calculate on copies of a design in one.
#ifndef SPULIX_DESIGN_MEMORY_STORE_H_
#define SPULIX_DESIGN_MEMORY_STORE_H_

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/design.h"
#include "design/field_store.h"

namespace spulix {

class MemoryStore : public FieldStore {
 public:
  // Every message is recorded; the optional hook sees it as well (at the
  // moment it is shown, with the fields as they stand then).
  using MessageHook = std::function<void(std::string_view)>;

  MemoryStore() = default;
  explicit MemoryStore(MessageHook hook) : hook_(std::move(hook)) {}

  std::string Text(Field field) const override;
  bool SetText(Field field, std::string_view text) override;
  // Sets a text without running its reaction (opening a saved design).
  void RestoreText(Field field, std::string_view text) {
    design_.texts[field].assign(text);
  }
  std::string CaptionText(Caption caption) const override;
  void SetCaption(Caption caption, std::string_view text) override;
  void ShowMessage(std::string_view text) override;

  // Takes every text as given without running any reaction: a copy of a
  // design as another store holds it.
  void LoadTexts(const FieldTexts& texts) { design_.texts = texts; }
  // Takes a whole design the same way: texts, figures and choices.
  void Restore(const Design& design);

  // The design as it stands.
  const Design& design() const { return design_; }
  const FieldTexts& texts() const { return design_.texts; }
  SheetChoices& choices() { return design_.sheet; }
  const SheetChoices& choices() const { return design_.sheet; }

  const std::vector<std::string>& messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  // How many change reactions have run, per field (index = control number).
  int changes(Field field) const { return changes_[ControlNumber(field)]; }

 private:
  // The diagram figure's place in the design, or none for the status line.
  static std::optional<std::size_t> FigureIndex(Caption caption);

  Design design_;
  std::string status_;
  std::array<int, kFieldCount + 1> changes_{};
  std::vector<std::string> messages_;
  MessageHook hook_;
};

}  // namespace spulix

#endif  // SPULIX_DESIGN_MEMORY_STORE_H_
