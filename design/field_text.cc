// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing field texts, and the checked arithmetic behind every
// calculation.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "design/transformer_design.h"

namespace spulix {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsStrictBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLenientBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Parses a plain number "[-]digits[.digits][e[+-]digits]" (no separators)
// locale-independently. Beyond the double range it gives a signed infinity;
// below it, a signed zero.
double ParseCleanNumber(const std::string& number) {
  double value = 0;
  const char* first = number.data();
  const char* last = first + number.size();
  auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc()) return value;
  // Out of range: tell overflow from underflow by the decimal magnitude.
  const bool negative = !number.empty() && number[0] == '-';
  long long exponent = 0;
  std::size_t i = negative ? 1 : 0;
  long long integer_digits = 0;
  long long leading_fraction_zeros = 0;
  bool seen_nonzero = false;
  bool in_fraction = false;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    if (number[i] == '.') {
      in_fraction = true;
      continue;
    }
    if (!in_fraction) {
      if (seen_nonzero || number[i] != '0') {
        seen_nonzero = true;
        ++integer_digits;
      }
    } else if (!seen_nonzero) {
      if (number[i] == '0') {
        ++leading_fraction_zeros;
      } else {
        seen_nonzero = true;
      }
    }
  }
  if (i < number.size()) {
    ++i;
    bool exponent_negative = false;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
      exponent_negative = number[i] == '-';
      ++i;
    }
    for (; i < number.size(); ++i) {
      if (exponent < 1'000'000'000)
        exponent = exponent * 10 + (number[i] - '0');
    }
    if (exponent_negative) exponent = -exponent;
  }
  const long long magnitude = integer_digits > 0
                                  ? integer_digits + exponent
                                  : exponent - leading_fraction_zeros;
  const double huge = std::numeric_limits<double>::infinity();
  if (magnitude > 0) return negative ? -huge : huge;
  return negative ? -0.0 : 0.0;
}

// The shortest decimal digits of |value| to 15 significant digits, and the
// decimal exponent of the first digit: value = 0.d1d2... x 10^(point).
struct Decimal {
  std::string digits;  // 15 digits, first non-zero unless value is zero
  int point = 0;       // number of digits before the decimal point
  bool negative = false;
  bool zero = true;
};

Decimal ToDecimal15(double value) {
  Decimal d;
  d.negative = std::signbit(value);
  if (value == 0) {
    d.digits.assign(1, '0');
    d.point = 1;
    return d;
  }
  // Near the top of the double range the 15-digit rounding would step past
  // it and the text would no longer read back; those values are truncated.
  constexpr double kLargest15Digits = 1.79769313486231e308;
  if (std::fabs(value) > kLargest15Digits) {
    d.digits = "179769313486231";
    d.point = 309;
    d.zero = false;
    return d;
  }
  // "d.dddddddddddddde[+-]xx", correctly rounded, without the locale.
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                    std::chars_format::scientific, 14);
  (void)error;  // 64 characters always suffice
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  const std::size_t e = text.find('e');
  d.digits.reserve(15);
  d.digits.push_back(text[0]);
  d.digits.append(text.substr(2, e - 2));
  int exponent = 0;
  std::string_view exponent_text = text.substr(e + 1);
  if (exponent_text[0] == '+') exponent_text.remove_prefix(1);
  std::from_chars(exponent_text.data(),
                  exponent_text.data() + exponent_text.size(), exponent);
  d.point = exponent + 1;
  d.zero = false;
  return d;
}

void AddGroupSeparators(std::string& integer_part) {
  for (int i = static_cast<int>(integer_part.size()) - 3; i > 0; i -= 3) {
    integer_part.insert(static_cast<std::size_t>(i), 1, ',');
  }
}

[[noreturn]] void Fault() { throw ArithmeticFault(); }

double Checked(double result) {
  if (!std::isfinite(result)) Fault();
  return result;
}

}  // namespace

bool IsEmptyText(std::string_view text) { return text.empty(); }

double ReadStrict(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsStrictBlank(text[begin])) ++begin;
  while (end > begin && IsStrictBlank(text[end - 1])) --end;

  // Check the grammar first; most texts can then go to the parser as they
  // stand, and only those with "+" or group separators need a clean copy.
  bool needs_cleaning = false;
  std::size_t i = begin;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    needs_cleaning = text[i] == '+';
    ++i;
  }
  bool integer_digits = false;
  while (i < end && (IsDigit(text[i]) || (text[i] == ',' && integer_digits))) {
    if (text[i] == ',') {
      needs_cleaning = true;
    } else {
      integer_digits = true;
    }
    ++i;
  }
  bool fraction_digits = false;
  if (i < end && text[i] == '.') {
    ++i;
    while (i < end && IsDigit(text[i])) {
      fraction_digits = true;
      ++i;
    }
  }
  if (!integer_digits && !fraction_digits) throw TypeMismatch();
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
    bool exponent_digits = false;
    while (i < end && IsDigit(text[i])) {
      exponent_digits = true;
      ++i;
    }
    if (!exponent_digits) throw TypeMismatch();
  }
  if (i != end) throw TypeMismatch();

  const std::string_view number = text.substr(begin, end - begin);
  if (!needs_cleaning) {
    double value = 0;
    const auto [stop, error] =
        std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc() && stop == number.data() + number.size()) {
      return value;
    }
  }
  std::string clean;
  clean.reserve(number.size() + 1);
  for (char c : number) {
    if (c != ',' && c != '+') clean.push_back(c);
    if (c == 'e' || c == 'E') break;
  }
  const std::size_t exponent = number.find_first_of("eE");
  if (exponent != std::string_view::npos) {
    clean.append(number.substr(exponent + 1));
  }
  // "5." reads as 5 and ".5" as 0.5.
  const std::size_t mantissa_end =
      clean.find('e') != std::string::npos ? clean.find('e') : clean.find('E');
  const std::size_t point_check =
      mantissa_end == std::string::npos ? clean.size() : mantissa_end;
  if (point_check > 0 && clean[point_check - 1] == '.') {
    clean.erase(point_check - 1, 1);
  }
  const std::size_t first = clean[0] == '-' ? 1 : 0;
  if (first >= clean.size() || clean[first] == '.') clean.insert(first, 1, '0');
  const double value = ParseCleanNumber(clean);
  if (std::isinf(value)) Fault();
  return value;
}

double ReadLenient(std::string_view text) {
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (!IsLenientBlank(c)) compact.push_back(c);
  }
  std::size_t i = 0;
  std::string clean;
  if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
    if (compact[i] == '-') clean.push_back('-');
    ++i;
  }
  bool digits = false;
  std::string mantissa;
  while (i < compact.size() && IsDigit(compact[i])) {
    mantissa.push_back(compact[i++]);
    digits = true;
  }
  if (i < compact.size() && compact[i] == '.') {
    std::string fraction;
    std::size_t j = i + 1;
    while (j < compact.size() && IsDigit(compact[j]))
      fraction.push_back(compact[j++]);
    if (!fraction.empty() || digits) {
      mantissa += '.';
      mantissa += fraction;
      digits = digits || !fraction.empty();
      i = j;
    }
  }
  if (!digits) return 0;
  if (mantissa[0] == '.') mantissa.insert(0, 1, '0');
  if (mantissa.back() == '.') mantissa.pop_back();
  clean += mantissa;
  if (i < compact.size() && (compact[i] == 'e' || compact[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) {
      exponent.push_back(compact[j++]);
    }
    bool exponent_digits = false;
    while (j < compact.size() && IsDigit(compact[j])) {
      exponent.push_back(compact[j++]);
      exponent_digits = true;
    }
    if (exponent_digits) clean += exponent;
  }
  return ParseCleanNumber(clean);
}

std::string FormatPattern(double value, Pattern pattern) {
  if (!std::isfinite(value)) Fault();
  const int decimals = pattern == Pattern::kOneDecimal ? 1 : 2;
  const Decimal d = ToDecimal15(value);
  // Lay the digits out as integer digits and exactly `decimals` decimals plus
  // one more digit that decides the rounding.
  std::string integer_part;
  std::string fraction;  // decimals + 1 digits
  if (d.point > 0) {
    for (int k = 0; k < d.point; ++k) {
      integer_part.push_back(k < static_cast<int>(d.digits.size())
                                 ? d.digits[static_cast<std::size_t>(k)]
                                 : '0');
    }
  } else {
    integer_part = "0";
  }
  for (int k = 0; k <= decimals; ++k) {
    const int index = d.point + k;  // index into digits
    char digit = '0';
    if (index >= 0 && index < static_cast<int>(d.digits.size())) {
      digit = d.digits[static_cast<std::size_t>(index)];
    }
    fraction.push_back(digit);
  }
  const bool round_up = fraction.back() >= '5';
  fraction.pop_back();
  std::string all = integer_part + fraction;
  if (round_up) {
    int k = static_cast<int>(all.size()) - 1;
    while (k >= 0 && all[static_cast<std::size_t>(k)] == '9') {
      all[static_cast<std::size_t>(k)] = '0';
      --k;
    }
    if (k >= 0) {
      ++all[static_cast<std::size_t>(k)];
    } else {
      all.insert(0, 1, '1');
    }
  }
  std::string int_digits = all.substr(0, all.size() - decimals);
  const std::string frac_digits = all.substr(all.size() - decimals);
  const std::size_t first_nonzero = int_digits.find_first_not_of('0');
  int_digits = first_nonzero == std::string::npos
                   ? "0"
                   : int_digits.substr(first_nonzero);
  const bool is_zero = all.find_first_not_of('0') == std::string::npos;
  AddGroupSeparators(int_digits);
  std::string text = d.negative && !is_zero ? "-" : "";
  text += int_digits;
  text += '.';
  text += frac_digits;
  return text;
}

std::string FormatWhole(std::int64_t value) { return std::to_string(value); }

std::string FormatGeneral(double value) {
  if (!std::isfinite(value)) Fault();
  const Decimal d = ToDecimal15(value);
  if (d.zero) return "0";
  std::string digits = d.digits;
  const std::size_t last = digits.find_last_not_of('0');
  digits.erase(last + 1);
  const int exponent = d.point - 1;  // of the first digit
  std::string text = d.negative ? "-" : "";
  if (exponent >= -4 && exponent < 15) {
    if (d.point <= 0) {
      text += "0.";
      text.append(static_cast<std::size_t>(-d.point), '0');
      text += digits;
    } else if (static_cast<int>(digits.size()) <= d.point) {
      text += digits;
      text.append(static_cast<std::size_t>(d.point) - digits.size(), '0');
    } else {
      text.append(digits, 0, static_cast<std::size_t>(d.point));
      text += '.';
      text.append(digits, static_cast<std::size_t>(d.point));
    }
    return text;
  }
  text += digits[0];
  if (digits.size() > 1) {
    text += '.';
    text.append(digits, 1);
  }
  char exponent_text[16];
  std::snprintf(exponent_text, sizeof exponent_text, "E%c%02d",
                exponent < 0 ? '-' : '+', exponent < 0 ? -exponent : exponent);
  return text + exponent_text;
}

void WriteFormatted(FieldStore& store, Field field, double value,
                    Pattern pattern) {
  store.SetText(field, FormatPattern(value, pattern));
}

void WriteWhole(FieldStore& store, Field field, std::int64_t value) {
  store.SetText(field, FormatWhole(value));
}

void WriteGeneral(FieldStore& store, Field field, double value) {
  store.SetText(field, FormatGeneral(value));
}

std::int16_t RoundToInt16(double value) {
  const double rounded = std::nearbyint(value);  // ties to even
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) Fault();
  return static_cast<std::int16_t>(rounded);
}

std::int32_t RoundToInt32(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) Fault();
  return static_cast<std::int32_t>(rounded);
}

double Mul(double a, double b) { return Checked(a * b); }
double Add(double a, double b) { return Checked(a + b); }
double Sub(double a, double b) { return Checked(a - b); }
double Div(double a, double b) {
  if (b == 0) Fault();
  return Checked(a / b);
}
double Sqrt(double a) {
  if (a < 0 || std::isnan(a)) Fault();
  return Checked(std::sqrt(a));
}

double ReadField(const FieldStore& store, Field field) {
  return ReadStrict(store.Text(field));
}
double ReadFieldLenient(const FieldStore& store, Field field) {
  return ReadLenient(store.Text(field));
}
bool IsEmptyField(const FieldStore& store, Field field) {
  return IsEmptyText(store.Text(field));
}

std::optional<double> ReadStrictOrNone(std::string_view text) {
  try {
    return ReadStrict(text);
  } catch (const FieldFailure&) {
    return std::nullopt;
  }
}

}  // namespace spulix
