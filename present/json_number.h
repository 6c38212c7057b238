// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as every JSON output writes them.
#ifndef SPULIX_PRESENT_JSON_NUMBER_H_
#define SPULIX_PRESENT_JSON_NUMBER_H_

#include <nlohmann/json.hpp>
#include <optional>

namespace spulix {

// Whole values as integers, others as the shortest text that reads back to
// the same double; null where there is no value.
nlohmann::ordered_json JsonNumber(double value);
nlohmann::ordered_json JsonNumber(const std::optional<double>& value);

}  // namespace spulix

#endif  // SPULIX_PRESENT_JSON_NUMBER_H_
