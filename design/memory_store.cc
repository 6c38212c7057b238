// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/memory_store.h"

#include "design/field_reactions.h"

namespace spulix {

std::string MemoryStore::Text(Field field) const {
  return design_.texts[field];
}

bool MemoryStore::SetText(Field field, std::string_view text) {
  std::string& slot = design_.texts[field];
  if (slot == text) return false;
  slot.assign(text);
  ++changes_[ControlNumber(field)];
  OnFieldChanged(*this, field);
  return true;
}

void MemoryStore::Restore(const Design& design) { design_ = design; }

std::optional<std::size_t> MemoryStore::FigureIndex(Caption caption) {
  for (std::size_t i = 0; i < kDesignFigures.size(); ++i) {
    if (kDesignFigures[i] == caption) return i;
  }
  return std::nullopt;
}

std::string MemoryStore::CaptionText(Caption caption) const {
  const std::optional<std::size_t> figure = FigureIndex(caption);
  return figure ? design_.figures[*figure] : status_;
}

void MemoryStore::SetCaption(Caption caption, std::string_view text) {
  const std::optional<std::size_t> figure = FigureIndex(caption);
  (figure ? design_.figures[*figure] : status_).assign(text);
}

void MemoryStore::ShowMessage(std::string_view text) {
  messages_.emplace_back(text);
  if (hook_) hook_(text);
}

}  // namespace spulix
