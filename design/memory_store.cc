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

std::string MemoryStore::CaptionText(Caption caption) const {
  switch (caption) {
    case Caption::kStatus:
      return status_;
    case Caption::kWidthFigure:
      return width_figure_;
    case Caption::kTongueFigure:
      return tongue_figure_;
    case Caption::kHeightFigure:
      return height_figure_;
  }
  return {};
}

void MemoryStore::SetCaption(Caption caption, std::string_view text) {
  switch (caption) {
    case Caption::kStatus:
      status_.assign(text);
      break;
    case Caption::kWidthFigure:
      width_figure_.assign(text);
      break;
    case Caption::kTongueFigure:
      tongue_figure_.assign(text);
      break;
    case Caption::kHeightFigure:
      height_figure_.assign(text);
      break;
  }
}

void MemoryStore::ShowMessage(std::string_view text) {
  messages_.emplace_back(text);
  if (hook_) hook_(text);
}

}  // namespace spulix
