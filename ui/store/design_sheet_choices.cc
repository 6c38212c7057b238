// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/store/design_sheet_choices.h"

namespace spulix {

DesignSheetChoices::DesignSheetChoices(QObject* parent) : QObject(parent) {
  setObjectName(QStringLiteral("DesignSheetChoices"));
}

void DesignSheetChoices::Set(const SheetChoices& choices) {
  if (choices == choices_) return;
  choices_ = choices;
  emit Changed();
}

void DesignSheetChoices::Clear() {
  SheetChoices cleared = choices_;
  ClearSheetChoices(cleared);
  Set(cleared);
}

}  // namespace spulix
