// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/design.h"

#include <utility>

namespace spulix {

FieldTexts CopyTexts(const FieldStore& store) {
  FieldTexts texts;
  for (int number = 1; number <= kFieldCount; ++number) {
    const Field field = FieldFromNumber(number);
    texts[field] = store.Text(field);
  }
  return texts;
}

void Secondaries::SetExtras(std::vector<Secondary> extras) {
  list_.resize(1);
  for (Secondary& extra : extras) list_.push_back(std::move(extra));
}

void Secondaries::RemoveExtra(std::size_t index) {
  if (index + 1 < list_.size()) {
    list_.erase(list_.begin() + static_cast<std::ptrdiff_t>(index + 1));
  }
}

void ClearSheetChoices(SheetChoices& choices) {
  choices.secondaries = Secondaries();
  choices.stack_mm.clear();
}

Design CaptureDesign(const FieldStore& store, const SheetChoices& choices) {
  Design design;
  design.texts = CopyTexts(store);
  for (std::size_t i = 0; i < kDesignFigures.size(); ++i) {
    design.figures[i] = store.CaptionText(kDesignFigures[i]);
  }
  design.sheet = choices;
  return design;
}

}  // namespace spulix
