// SPDX-License-Identifier: GPL-3.0-or-later
// The members of one winding on the sheet, each once: its JSON key and
// value and, where the sheet's table shows it, its caption and text. The
// table rows and the JSON objects are both built from this list, so a new
// member (a DC load's figures) appears in both or neither.
#ifndef SPULIX_PRESENT_WINDING_MEMBERS_H_
#define SPULIX_PRESENT_WINDING_MEMBERS_H_

#include <nlohmann/json.hpp>
#include <span>
#include <string>

#include "design/sheet/winding_sheet.h"

namespace spulix {

struct WindingMember {
  const char* key;  // "voltage_v"
  nlohmann::ordered_json (*json)(const SheetWinding& winding);
  // The table's caption with its unit, marked ("电压（伏）"), and the
  // value's text; null for members only the JSON carries.
  const char* caption;
  std::string (*text)(const SheetWinding& winding);
};

// Every member in the JSON's order, the name first.
std::span<const WindingMember> WindingMembers();

// The members the table shows, in its order: voltage to full-load voltage.
std::span<const WindingMember> SheetQuantities();

// A winding as its JSON object.
nlohmann::ordered_json WindingJson(const SheetWinding& winding);

}  // namespace spulix

#endif  // SPULIX_PRESENT_WINDING_MEMBERS_H_
