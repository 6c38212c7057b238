// SPDX-License-Identifier: GPL-3.0-or-later
// A FieldStore held in memory, for the command-line tool and the tests.
#ifndef SPULIX_DESIGN_MEMORY_STORE_H_
#define SPULIX_DESIGN_MEMORY_STORE_H_

#include <array>
#include <functional>
#include <string>
#include <vector>

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
    texts_[ControlNumber(field)].assign(text);
  }
  std::string CaptionText(Caption caption) const override;
  void SetCaption(Caption caption, std::string_view text) override;
  void ShowMessage(std::string_view text) override;

  // Takes every text as given (index 0 is Text1) without running any
  // reaction: a copy of a design as another store holds it.
  void LoadTexts(const std::array<std::string, kFieldCount>& texts);

  const std::vector<std::string>& messages() const { return messages_; }
  void ClearMessages() { messages_.clear(); }
  // How many change reactions have run, per field (index = control number).
  int changes(Field field) const { return changes_[ControlNumber(field)]; }

 private:
  std::array<std::string, kFieldCount + 1> texts_;
  std::array<int, kFieldCount + 1> changes_{};
  static std::size_t CaptionIndex(Caption caption);

  std::array<std::string, 4> captions_;  // status line and diagram figures
  std::vector<std::string> messages_;
  MessageHook hook_;
};

}  // namespace spulix

#endif  // SPULIX_DESIGN_MEMORY_STORE_H_
