// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/memory_store.h"

#include "design/field_reactions.h"

namespace spulix {

std::string MemoryStore::Text(Field field) const {
  return texts_[ControlNumber(field)];
}

bool MemoryStore::SetText(Field field, std::string_view text) {
  std::string& slot = texts_[ControlNumber(field)];
  if (slot == text) return false;
  slot.assign(text);
  ++changes_[ControlNumber(field)];
  OnFieldChanged(*this, field);
  return true;
}

void MemoryStore::LoadTexts(const std::array<std::string, kFieldCount>& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) texts_[i + 1] = texts[i];
}

std::size_t MemoryStore::CaptionIndex(Caption caption) {
  switch (caption) {
    case Caption::kStatus:
      return 0;
    case Caption::kWidthFigure:
      return 1;
    case Caption::kTongueFigure:
      return 2;
    case Caption::kHeightFigure:
      return 3;
  }
  return 0;
}

std::string MemoryStore::CaptionText(Caption caption) const {
  return captions_[CaptionIndex(caption)];
}

void MemoryStore::SetCaption(Caption caption, std::string_view text) {
  captions_[CaptionIndex(caption)].assign(text);
}

void MemoryStore::ShowMessage(std::string_view text) {
  messages_.emplace_back(text);
  if (hook_) hook_(text);
}

}  // namespace spulix
