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

void PressDesignButton(FieldStore& store, DesignSheetChoices& choices,
                       DesignButton button) {
  // A copy: the fields' reactions may show a message, whose event loop lets
  // the user change the choices in the meantime; only a button that
  // changes them (Clear) writes them back.
  const SheetChoices before = choices.choices();
  SheetChoices after = before;
  PressDesignButton(store, after, button);
  if (after != before) choices.Set(after);
}

}  // namespace spulix
