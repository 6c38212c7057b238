// SPDX-License-Identifier: GPL-3.0-or-later
// A DC winding's figures as the front-ends show them: the JSON object of a
// winding's "dc" member, and captioned texts for tables and the report.
#ifndef SPULIX_PRESENT_DC_FIGURES_TEXT_H_
#define SPULIX_PRESENT_DC_FIGURES_TEXT_H_

#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "design/rectifier/dc_load.h"
#include "design/sheet/dc_figures.h"
#include "design/sheet/winding_sheet.h"
#include "design/user_text.h"

namespace spulix {

// {"kind", "udc_v", "idc_a", "c_uf", "vf_v", "vdc_v", "ripple_v",
// "peak_a", "conduction_deg", "winding_rms_a"}; the simulated figures are
// null and "error" gives the reason where the rectifier could not run.
nlohmann::ordered_json DcJson(const DcWindingFigures& figures);

// "桥式", "全波", "正负".
UserText RectifierKindName(RectifierKind kind);

// The load and its simulated figures, caption and value, for one winding;
// the last line says that leakage inductance is left out.
std::vector<std::pair<std::string, std::string>> DcFigureTexts(
    const DcWindingFigures& figures, const Translate& translate = {});

// Every DC winding of the sheet: its name and its figures.
struct DcWindingTexts {
  std::string name;
  std::vector<std::pair<std::string, std::string>> figures;
};
std::vector<DcWindingTexts> SheetDcTexts(const WindingSheet& sheet,
                                         const Translate& translate = {});

}  // namespace spulix

#endif  // SPULIX_PRESENT_DC_FIGURES_TEXT_H_
