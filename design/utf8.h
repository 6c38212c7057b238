// SPDX-License-Identifier: GPL-3.0-or-later
// Small UTF-8 helpers: validation, decoding, code point splitting and
// terminal column widths of CJK text, for the tool and the core files.
#ifndef SPULIX_DESIGN_UTF8_H_
#define SPULIX_DESIGN_UTF8_H_

#include <string>
#include <string_view>
#include <vector>

namespace spulix {

bool IsValidUtf8(std::string_view text);
// Decodes the code point at text[i]: its length in bytes, or 0 where the
// bytes there are no valid UTF-8 (overlong forms and surrogates included).
int DecodeCodePoint(std::string_view text, std::size_t i, char32_t* code_point);
// Splits valid UTF-8 into its code points, each as its byte sequence.
std::vector<std::string> SplitCodePoints(std::string_view text);
// Removes the last code point; returns false when the text was empty.
bool EraseLastCodePoint(std::string& text);
// Terminal columns: East Asian wide and full-width characters count two.
int DisplayWidth(std::string_view text);

}  // namespace spulix

#endif  // SPULIX_DESIGN_UTF8_H_
