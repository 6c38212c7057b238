// SPDX-License-Identifier: GPL-3.0-or-later
// Plain-text tables for the tool's output, aligned by terminal columns so
// that Chinese captions line up.
#ifndef SPULIX_CLI_TEXT_TABLE_H_
#define SPULIX_CLI_TEXT_TABLE_H_

#include <string>
#include <vector>

namespace spulix {

// Rows in columns two blanks apart, by display width; the first row sets
// the number of columns. Each line ends in "\n", without trailing blanks.
std::string Aligned(const std::vector<std::vector<std::string>>& rows);

}  // namespace spulix

#endif  // SPULIX_CLI_TEXT_TABLE_H_
