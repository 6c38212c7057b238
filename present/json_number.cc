// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/json_number.h"

#include <cmath>
#include <cstdint>

namespace spulix {

nlohmann::ordered_json JsonNumber(double value) {
  if (std::isfinite(value) && value == std::trunc(value) &&
      std::fabs(value) < 9e15) {
    return static_cast<std::int64_t>(value);
  }
  return value;
}

nlohmann::ordered_json JsonNumber(const std::optional<double>& value) {
  return value ? JsonNumber(*value) : nlohmann::ordered_json();
}

}  // namespace spulix
