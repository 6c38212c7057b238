// SPDX-License-Identifier: GPL-3.0-or-later
// Readable names for the cases of parameterized GoogleTest suites: each
// case is named by its number and its printed value (give the parameter
// type a PrintTo), so "Rows/EfficiencyBoundaries.Picks/3_P2_30" says which
// row failed instead of a dump of the parameter's bytes.
#ifndef SPULIX_TESTS_READABLE_PARAMS_H_
#define SPULIX_TESTS_READABLE_PARAMS_H_

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace spulix::testing_support {

// Writes a case's text for PrintTo in plain ASCII, so names and listings
// stay readable: quotes and backslashes escaped, \n \r \t as such, other
// control bytes and bytes that are no UTF-8 as {FF}, and each other
// non-ASCII character as {U+FF11}.
inline void PrintText(std::string_view text, std::ostream* os) {
  constexpr char kHex[] = "0123456789ABCDEF";
  const auto byte_of = [&text](std::size_t i) {
    return static_cast<unsigned char>(text[i]);
  };
  *os << '"';
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = byte_of(i);
    const int length = c < 0x80                ? 1
                       : c >= 0xC2 && c < 0xE0 ? 2
                       : c >= 0xE0 && c < 0xF0 ? 3
                       : c >= 0xF0 && c < 0xF5 ? 4
                                               : 0;
    bool whole = length > 1 && i + length <= text.size();
    char32_t code = length > 1 ? c & (0x7F >> length) : c;
    for (int k = 1; whole && k < length; ++k) {
      whole = (byte_of(i + k) & 0xC0) == 0x80;
      code = (code << 6) | (byte_of(i + k) & 0x3F);
    }
    if (whole) {
      *os << "{U+";
      for (int shift = code > 0xFFFF ? 20 : 12; shift >= 0; shift -= 4) {
        *os << kHex[(code >> shift) & 0xF];
      }
      *os << '}';
      i += length;
      continue;
    }
    if (c == '"' || c == '\\') {
      *os << '\\' << c;
    } else if (c == '\n' || c == '\r' || c == '\t') {
      *os << '\\' << (c == '\n' ? 'n' : c == '\r' ? 'r' : 't');
    } else if (c >= 0x20 && c < 0x7F) {
      *os << c;
    } else {
      *os << '{' << kHex[c >> 4] << kHex[c & 0xF] << '}';
    }
    ++i;
  }
  *os << '"';
}

struct ReadableName {
  template <typename T>
  std::string operator()(const testing::TestParamInfo<T>& info) const {
    // Test names allow letters, digits and '_' only; each other run of
    // characters becomes one '_'.
    std::string name = std::to_string(info.index);
    bool gap = true;
    for (char c : testing::PrintToString(info.param)) {
      const bool keep = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                        (c >= 'a' && c <= 'z');
      if (!keep) {
        gap = true;
        continue;
      }
      if (gap) name += '_';
      name += c;
      gap = false;
    }
    return name;
  }
};

}  // namespace spulix::testing_support

#endif  // SPULIX_TESTS_READABLE_PARAMS_H_
