// SPDX-License-Identifier: GPL-3.0-or-later
// The program's English texts for spulix-calc, from the translation file
// the window uses, built into the tool so that it needs no Qt.
#ifndef SPULIX_PRESENT_ENGLISH_TEXT_H_
#define SPULIX_PRESENT_ENGLISH_TEXT_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace spulix {

struct EnglishEntry {
  std::string_view context;
  std::string_view source;  // the Chinese text
  std::string_view english;
};
// Sorted by context, then source (byte order); generated at build time.
extern const EnglishEntry kEnglishEntries[];
extern const std::size_t kEnglishEntryCount;

// The English of a marked text, or the source itself where there is none.
std::string English(std::string_view context, std::string_view source);

}  // namespace spulix

#endif  // SPULIX_PRESENT_ENGLISH_TEXT_H_
