// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the parts of the C++20 library that the C++ library of
// Debian 12's Emscripten (libc++ 13) still lacks: std::from_chars and
// std::to_chars for double, and the std::ranges algorithms the engine calls.
// The page's build includes this header ahead of every source (-include),
// so the engine compiles unchanged. Each stand-in is defined only where the
// library has none, and behaves as the standard says for what the engine
// asks of it.
#ifndef SPULIX_WEB_LIBCXX_COMPAT_H_
#define SPULIX_WEB_LIBCXX_COMPAT_H_

#ifdef __cplusplus
#include <version>

#if defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <ranges>
#include <string>
#include <system_error>
#include <utility>

namespace std {

// Parses the longest number at `first` in the general format ("-1.5e3",
// "inf", "nan"; no blanks, no '+', no hexadecimal), as from_chars does.
// Out of range, the value is left alone and result_out_of_range returned.
inline from_chars_result from_chars(const char* first, const char* last,
                                    double& value,
                                    chars_format = chars_format::general) {
  const char* p = first;
  if (p != last && *p == '-') ++p;
  const auto lower_is = [&](const char* at, const char* word) {
    for (; *word; ++word, ++at) {
      if (at == last || (*at | 0x20) != *word) return false;
    }
    return true;
  };
  const char* end = p;
  bool nonzero = false;
  bool special = false;
  if (lower_is(p, "infinity")) {
    end = p + 8;
    special = true;
  } else if (lower_is(p, "inf") || lower_is(p, "nan")) {
    end = p + 3;
    special = true;
  } else {
    bool digits = false;
    while (end != last && *end >= '0' && *end <= '9') {
      nonzero = nonzero || *end != '0';
      digits = true;
      ++end;
    }
    if (end != last && *end == '.') {
      ++end;
      while (end != last && *end >= '0' && *end <= '9') {
        nonzero = nonzero || *end != '0';
        digits = true;
        ++end;
      }
    }
    if (!digits) return {first, errc::invalid_argument};
    if (end != last && (*end == 'e' || *end == 'E')) {
      const char* q = end + 1;
      if (q != last && (*q == '+' || *q == '-')) ++q;
      if (q != last && *q >= '0' && *q <= '9') {
        while (q != last && *q >= '0' && *q <= '9') ++q;
        end = q;
      }
    }
  }
  const string text(first, end);
  const double parsed = strtod(text.c_str(), nullptr);
  if (!special && (isinf(parsed) || (parsed == 0 && nonzero))) {
    return {end, errc::result_out_of_range};
  }
  value = parsed;
  return {end, errc()};
}

// Fixed or scientific notation with the given number of decimals, correctly
// rounded and without the locale (the C library's printf is both here).
inline to_chars_result to_chars(char* first, char* last, double value,
                                chars_format format, int precision) {
  const char* pattern = format == chars_format::scientific ? "%.*e" : "%.*f";
  char buffer[512];
  const int length = snprintf(buffer, sizeof buffer, pattern, precision, value);
  if (length < 0 || length >= static_cast<int>(sizeof buffer) ||
      length > last - first) {
    return {last, errc::value_too_large};
  }
  return {copy(buffer, buffer + length, first), errc()};
}

namespace ranges {
namespace compat {

struct AllOf {
  template <class R, class Pred, class Proj = identity>
  bool operator()(R&& r, Pred pred, Proj proj = {}) const {
    for (auto&& x : r) {
      if (!invoke(pred, invoke(proj, x))) return false;
    }
    return true;
  }
};

struct AnyOf {
  template <class R, class Pred, class Proj = identity>
  bool operator()(R&& r, Pred pred, Proj proj = {}) const {
    for (auto&& x : r) {
      if (invoke(pred, invoke(proj, x))) return true;
    }
    return false;
  }
};

struct FindIf {
  template <class R, class Pred, class Proj = identity>
  auto operator()(R&& r, Pred pred, Proj proj = {}) const {
    auto it = ranges::begin(r);
    for (; it != ranges::end(r); ++it) {
      if (invoke(pred, invoke(proj, *it))) break;
    }
    return it;
  }
};

struct Equal {
  template <class R1, class R2, class Pred = ranges::equal_to>
  bool operator()(R1&& r1, R2&& r2, Pred pred = {}) const {
    auto a = ranges::begin(r1);
    auto b = ranges::begin(r2);
    for (; a != ranges::end(r1) && b != ranges::end(r2); ++a, ++b) {
      if (!invoke(pred, *a, *b)) return false;
    }
    return a == ranges::end(r1) && b == ranges::end(r2);
  }
};

struct MaxElement {
  template <class R, class Comp = ranges::less, class Proj = identity>
  auto operator()(R&& r, Comp comp = {}, Proj proj = {}) const {
    auto best = ranges::begin(r);
    if (best == ranges::end(r)) return best;
    for (auto it = next(best); it != ranges::end(r); ++it) {
      if (invoke(comp, invoke(proj, *best), invoke(proj, *it))) best = it;
    }
    return best;
  }
};

struct Sort {
  template <class R, class Comp = ranges::less, class Proj = identity>
  void operator()(R&& r, Comp comp = {}, Proj proj = {}) const {
    std::sort(ranges::begin(r), ranges::end(r),
              [&](const auto& x, const auto& y) {
                return invoke(comp, invoke(proj, x), invoke(proj, y));
              });
  }
};

struct LowerBound {
  template <class R, class T, class Comp = ranges::less, class Proj = identity>
  auto operator()(R&& r, const T& value, Comp comp = {}, Proj proj = {}) const {
    return std::lower_bound(ranges::begin(r), ranges::end(r), value,
                            [&](const auto& element, const T& v) {
                              return invoke(comp, invoke(proj, element), v);
                            });
  }
};

}  // namespace compat

inline constexpr compat::AllOf all_of{};
inline constexpr compat::AnyOf any_of{};
inline constexpr compat::FindIf find_if{};
inline constexpr compat::Equal equal{};
inline constexpr compat::MaxElement max_element{};
inline constexpr compat::Sort sort{};
inline constexpr compat::LowerBound lower_bound{};

}  // namespace ranges
}  // namespace std

#endif  // _LIBCPP_VERSION < 14000
#endif  // __cplusplus
#endif  // SPULIX_WEB_LIBCXX_COMPAT_H_
