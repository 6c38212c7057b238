// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's texts are UTF-8 std::strings; the windows' are QStrings.
#ifndef SPULIX_UI_STORE_QT_TEXT_H_
#define SPULIX_UI_STORE_QT_TEXT_H_

#include <QString>
#include <string_view>

namespace spulix {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace spulix

#endif  // SPULIX_UI_STORE_QT_TEXT_H_
