// SPDX-License-Identifier: GPL-3.0-or-later
// The 绕制单 window's figures, wire list and notes as the rich texts its
// labels show, in the current language.
#ifndef SPULIX_UI_SHEET_SHEET_HTML_H_
#define SPULIX_UI_SHEET_SHEET_HTML_H_

#include <QString>

#include "design/sheet/winding_sheet.h"

namespace spulix {

// The figures as a grid of caption and value, three pairs a line.
QString FiguresHtml(const WindingSheet& sheet);
// The wire to buy: size, length, mass.
QString WiresHtml(const WindingSheet& sheet);
// "说明：" and one line a note.
QString NotesText(const WindingSheet& sheet);

}  // namespace spulix

#endif  // SPULIX_UI_SHEET_SHEET_HTML_H_
