// SPDX-License-Identifier: GPL-3.0-or-later
// Any text: the readers never crash, strict reading fails only with the two
// failure kinds, and every text the writers produce reads back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "design/transformer_design.h"

namespace {

void CheckReadsBack(double value) {
  using spulix::FormatGeneral;
  using spulix::FormatPattern;
  using spulix::Pattern;
  using spulix::ReadStrict;
  if (!std::isfinite(value)) return;
  const double general = ReadStrict(FormatGeneral(value));
  // Subnormal values may read back as zero.
  if (std::fabs(general - value) > std::fabs(value) * 1e-14 + 1e-300) {
    std::abort();
  }
  for (Pattern pattern : {Pattern::kOneDecimal, Pattern::kTwoDecimals}) {
    const double fixed = ReadStrict(FormatPattern(value, pattern));
    const double tolerance = pattern == Pattern::kOneDecimal ? 0.05 : 0.005;
    if (std::fabs(fixed - value) > tolerance + std::fabs(value) * 1e-14) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    CheckReadsBack(spulix::ReadStrict(text));
  } catch (const spulix::FieldFailure&) {
  }
  const double lenient = spulix::ReadLenient(text);
  if (std::isnan(lenient)) std::abort();
  CheckReadsBack(lenient);
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckReadsBack(raw);
  }
  return 0;
}
