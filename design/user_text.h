// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's texts are Chinese. Those a user reads are marked where they
// stand, with the context the translation file keeps them under, so that a
// window or tool showing them in another language finds them; the mark
// itself leaves the text as it is and needs nothing beyond the standard
// library.
#ifndef SPULIX_DESIGN_USER_TEXT_H_
#define SPULIX_DESIGN_USER_TEXT_H_

// A text a user reads: SPULIX_TEXT("Field", "窗口高度").
#define SPULIX_TEXT(context, text) text

#endif  // SPULIX_DESIGN_USER_TEXT_H_
