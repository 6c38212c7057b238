// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet's choices of the design in the main window: enamel
// grade, steel grade, the centre tap of 次级1 and the extra secondaries.
// They belong to the design, beside its 29 field texts: design files keep
// them, Clear empties the secondaries and the tap (ClearDesign), and every
// window that judges the design by the sheet (the sheet itself, the core
// window, the report) reads them here and follows their changes.
#ifndef SPULIX_UI_STORE_DESIGN_SHEET_CHOICES_H_
#define SPULIX_UI_STORE_DESIGN_SHEET_CHOICES_H_

#include <QObject>

#include "design/design.h"
#include "design/design_commands.h"
#include "design/field_store.h"

namespace spulix {

class DesignSheetChoices : public QObject {
  Q_OBJECT

 public:
  explicit DesignSheetChoices(QObject* parent = nullptr);

  const SheetChoices& choices() const { return choices_; }
  // Sends Changed when the choices differ from the ones held.
  void Set(const SheetChoices& choices);

 signals:
  void Changed();

 private:
  SheetChoices choices_;
};

// Presses the design button on the store with the window's choices, which
// Clear clears with the fields.
void PressDesignButton(FieldStore& store, DesignSheetChoices& choices,
                       DesignButton button);

}  // namespace spulix

#endif  // SPULIX_UI_STORE_DESIGN_SHEET_CHOICES_H_
