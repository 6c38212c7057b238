// SPDX-License-Identifier: GPL-3.0-or-later
#include "present/winding_members.h"

#include <vector>

#include "design/transformer_design.h"
#include "design/user_text.h"
#include "present/dc_figures_text.h"
#include "present/json_number.h"
#include "present/sheet_text.h"
#include "present/wire_text.h"

namespace spulix {
namespace {

using Json = nlohmann::ordered_json;

// A member the table shows with a fixed count of decimals.
#define SPULIX_FIXED_MEMBER(member, caption, decimals)                 \
  {                                                                    \
#member, [](const SheetWinding& w) { return JsonNumber(w.member); }, \
        caption,                                                        \
        [](const SheetWinding& w) { return FixedText(w.member, decimals); } \
  }
// A whole number the table shows as it is.
#define SPULIX_COUNT_MEMBER(member, caption)                              \
  {                                                                       \
#member, [](const SheetWinding& w) { return Json(w.member); }, caption, \
        [](const SheetWinding& w) { return std::to_string(w.member); } \
  }

constexpr WindingMember kMembers[] = {
    {"name", [](const SheetWinding& w) { return Json(w.name); }, nullptr,
     nullptr},
    {"voltage_v", [](const SheetWinding& w) { return JsonNumber(w.voltage_v); },
     SPULIX_TEXT("WindingSheet", "电压（伏）"),
     [](const SheetWinding& w) { return FormatGeneral(w.voltage_v); }},
    SPULIX_FIXED_MEMBER(current_a,
                        SPULIX_TEXT("WindingSheet", "负载电流（安）"), 3),
    SPULIX_COUNT_MEMBER(turns, SPULIX_TEXT("WindingSheet", "匝数")),
    {"tap", [](const SheetWinding& w) { return w.tap ? Json(*w.tap) : Json(); },
     SPULIX_TEXT("WindingSheet", "抽头（匝）"),
     [](const SheetWinding& w) {
       return w.tap ? std::to_string(*w.tap) : std::string("—");
     }},
    {"d", [](const SheetWinding& w) { return Json(w.d); },
     SPULIX_TEXT("WindingSheet", "计算线径（毫米）"),
     [](const SheetWinding& w) { return w.d; }},
    {"strands", [](const SheetWinding& w) { return Json(w.strands); }, nullptr,
     nullptr},
    {"wire_mm", [](const SheetWinding& w) { return JsonNumber(w.wire_mm); },
     SPULIX_TEXT("WindingSheet", "标准漆包线（毫米）"),
     [](const SheetWinding& w) { return WireSizeText(w.wire, w.strands); }},
    {"overall_mm",
     [](const SheetWinding& w) { return JsonNumber(w.overall_mm); },
     SPULIX_TEXT("WindingSheet", "最大外径（毫米）"),
     [](const SheetWinding& w) {
       return BoundText(w.overall_is_bound, FixedText(w.overall_mm, 3));
     }},
    {"overall_is_bound",
     [](const SheetWinding& w) { return Json(w.overall_is_bound); }, nullptr,
     nullptr},
    SPULIX_COUNT_MEMBER(turns_per_layer,
                        SPULIX_TEXT("WindingSheet", "每层匝数")),
    SPULIX_COUNT_MEMBER(layers, SPULIX_TEXT("WindingSheet", "层数")),
    SPULIX_COUNT_MEMBER(last_layer_turns,
                        SPULIX_TEXT("WindingSheet", "末层匝数")),
    SPULIX_FIXED_MEMBER(thickness_mm,
                        SPULIX_TEXT("WindingSheet", "厚度（毫米）"), 3),
    SPULIX_FIXED_MEMBER(mlt_mm, SPULIX_TEXT("WindingSheet", "平均匝长（毫米）"),
                        2),
    SPULIX_FIXED_MEMBER(length_m,
                        SPULIX_TEXT("WindingSheet", "线长（米，每股）"), 3),
    SPULIX_FIXED_MEMBER(mass_g, SPULIX_TEXT("WindingSheet", "铜重（克）"), 1),
    SPULIX_FIXED_MEMBER(r20_ohm, SPULIX_TEXT("WindingSheet", "R20（欧）"), 4),
    SPULIX_FIXED_MEMBER(r75_ohm, SPULIX_TEXT("WindingSheet", "R75（欧）"), 4),
    SPULIX_FIXED_MEMBER(loss_w, SPULIX_TEXT("WindingSheet", "铜损（瓦）"), 3),
    SPULIX_FIXED_MEMBER(no_load_v,
                        SPULIX_TEXT("WindingSheet", "空载电压（伏）"), 3),
    SPULIX_FIXED_MEMBER(full_load_v,
                        SPULIX_TEXT("WindingSheet", "满载电压（伏）"), 3),
};

#undef SPULIX_FIXED_MEMBER
#undef SPULIX_COUNT_MEMBER

const std::vector<WindingMember>& ShownMembers() {
  static const std::vector<WindingMember> shown = [] {
    std::vector<WindingMember> members;
    for (const WindingMember& member : kMembers) {
      if (member.caption) members.push_back(member);
    }
    return members;
  }();
  return shown;
}

}  // namespace

std::span<const WindingMember> WindingMembers() { return kMembers; }

std::span<const WindingMember> SheetQuantities() { return ShownMembers(); }

Json WindingJson(const SheetWinding& winding) {
  Json j;
  for (const WindingMember& member : kMembers) {
    j[member.key] = member.json(winding);
  }
  // Only a DC winding has it, so an AC winding's object stays as it was.
  if (winding.dc) j["dc"] = DcJson(*winding.dc);
  return j;
}

}  // namespace spulix
