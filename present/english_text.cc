// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/english_text.h"

#include <algorithm>
#include <tuple>

namespace spulix {

std::string English(std::string_view context, std::string_view source) {
  const EnglishEntry* begin = kEnglishEntries;
  const EnglishEntry* end = kEnglishEntries + kEnglishEntryCount;
  const auto key = [](const EnglishEntry& entry) {
    return std::tie(entry.context, entry.source);
  };
  const EnglishEntry* found =
      std::lower_bound(begin, end, std::tie(context, source),
                       [&key](const EnglishEntry& entry, const auto& wanted) {
                         return key(entry) < wanted;
                       });
  if (found != end && found->context == context && found->source == source) {
    return std::string(found->english);
  }
  return std::string(source);
}

}  // namespace spulix
