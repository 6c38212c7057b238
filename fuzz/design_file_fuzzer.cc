// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a design file: refused with a one-line reason, or a design
// that saves and opens again unchanged; never a crash.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "document/design_document.h"
#include "document/design_error_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const spulix::DesignParse parse = spulix::ParseDesign(text);
  if (const auto* error = std::get_if<spulix::DesignError>(&parse)) {
    const std::string line =
        spulix::EnglishErrorText(*error, "f.spulix", spulix::FileAction::kOpen);
    if (line.find('\n') != std::string::npos) std::abort();
    if (spulix::ChineseErrorText(*error, "f.spulix", spulix::FileAction::kOpen)
            .empty()) {
      std::abort();
    }
    return 0;
  }
  const auto& document = std::get<spulix::Design>(parse);
  const spulix::DesignParse again =
      spulix::ParseDesign(spulix::SerializeDesign(document));
  if (!std::holds_alternative<spulix::Design>(again) ||
      std::get<spulix::Design>(again) != document) {
    std::abort();
  }
  return 0;
}
