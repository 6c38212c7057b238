// SPDX-License-Identifier: GPL-3.0-or-later
// The data files shipped with the program (resources/data), compiled in so
// that neither the window nor the tool needs a file at run time.
#ifndef SPULIX_DESIGN_PARTS_SHIPPED_DATA_H_
#define SPULIX_DESIGN_PARTS_SHIPPED_DATA_H_

#include <string_view>

namespace spulix {

std::string_view ShippedCoreCsv();   // ei-laminations.csv
std::string_view ShippedWireCsv();   // enamelled-wire-sizes.csv
std::string_view ShippedSteelCsv();  // electrical-steel-grades.csv

}  // namespace spulix

#endif  // SPULIX_DESIGN_PARTS_SHIPPED_DATA_H_
