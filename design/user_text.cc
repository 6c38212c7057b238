// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/user_text.h"

#include <cstddef>
#include <utility>

namespace spulix {

UserText Marked(const char* context, const char* pattern,
                std::vector<UserText> args) {
  return {context, pattern, std::move(args)};
}

UserText Verbatim(std::string text) { return {"", std::move(text), {}}; }

std::string Translated(const Translate& translate, const char* context,
                       const char* source) {
  return translate ? translate(context, source) : std::string(source);
}

UserText Joined(const std::vector<UserText>& texts, const UserText& separator) {
  UserText list;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    if (i) list.args.push_back(separator);
    list.args.push_back(texts[i]);
  }
  for (std::size_t i = 1; i <= list.args.size(); ++i) {
    // Appended piece by piece: GCC 12 at -O3 warns, falsely, about the
    // temporary of "%" + number.
    list.pattern += '%';
    list.pattern += std::to_string(i);
  }
  return list;
}

std::string Compose(const UserText& text, const Translate& translate) {
  if (text.args.empty() && text.context.empty()) return text.pattern;
  const std::string pattern = translate && !text.context.empty()
                                  ? translate(text.context, text.pattern)
                                  : text.pattern;
  std::string out;
  std::size_t i = 0;
  while (i < pattern.size()) {
    const auto is_digit = [&pattern](std::size_t at) {
      return at < pattern.size() && pattern[at] >= '0' && pattern[at] <= '9';
    };
    if (pattern[i] == '%' && is_digit(i + 1)) {
      std::size_t end = i + 2;
      if (is_digit(end)) ++end;  // two digits at most
      const std::size_t number = std::stoul(pattern.substr(i + 1, end - i - 1));
      if (number >= 1 && number <= text.args.size()) {
        out += Compose(text.args[number - 1], translate);
        i = end;
        continue;
      }
    }
    out += pattern[i++];
  }
  return out;
}

}  // namespace spulix
