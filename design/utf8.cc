// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/utf8.h"

#include <cstdint>

namespace spulix {
namespace {

// Length of the sequence starting with this lead byte, or 0 if invalid.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

int DecodeCodePoint(std::string_view text, std::size_t i,
                    char32_t* code_point) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int length = SequenceLength(lead);
  if (length == 0 || i + static_cast<std::size_t>(length) > text.size()) {
    return 0;
  }
  char32_t value = length == 1   ? lead
                   : length == 2 ? (lead & 0x1F)
                   : length == 3 ? (lead & 0x0F)
                                 : (lead & 0x07);
  for (int k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[i + k]);
    if ((byte & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte & 0x3F);
  }
  // Reject overlong forms, surrogates and values beyond U+10FFFF.
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < kMinimum[length] || value > 0x10FFFF ||
      (value >= 0xD800 && value <= 0xDFFF)) {
    return 0;
  }
  *code_point = value;
  return length;
}

namespace {

bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    char32_t c;
    const int length = DecodeCodePoint(text, i, &c);
    if (length == 0) return false;
    i += static_cast<std::size_t>(length);
  }
  return true;
}

std::vector<std::string> SplitCodePoints(std::string_view text) {
  std::vector<std::string> parts;
  for (std::size_t i = 0; i < text.size();) {
    char32_t c;
    int length = DecodeCodePoint(text, i, &c);
    if (length == 0) length = 1;  // keep stray bytes one by one
    parts.emplace_back(text.substr(i, static_cast<std::size_t>(length)));
    i += static_cast<std::size_t>(length);
  }
  return parts;
}

bool EraseLastCodePoint(std::string& text) {
  if (text.empty()) return false;
  std::size_t i = text.size() - 1;
  while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80 &&
         text.size() - i < 4) {
    --i;
  }
  text.erase(i);
  return true;
}

int DisplayWidth(std::string_view text) {
  int width = 0;
  for (std::size_t i = 0; i < text.size();) {
    char32_t c;
    int length = DecodeCodePoint(text, i, &c);
    if (length == 0) {
      length = 1;
      c = '?';
    }
    width += IsWide(c) ? 2 : 1;
    i += static_cast<std::size_t>(length);
  }
  return width;
}

}  // namespace spulix
