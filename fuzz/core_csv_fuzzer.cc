// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a core file: the reader never crashes, keeps only sound
// cores, reports bad rows on lines that exist, and what it writes reads
// back as exactly the same cores without a single complaint: a dimension is
// read as the number of the text that is written for it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "design/parts/core_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace spulix;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::size_t lines = 1;
  for (char c : text) lines += c == '\n';

  const CoreCsvParse parse = ParseCoreCsv(text, false, BuiltInCores());
  for (const CatalogueIssue& issue : parse.issues) {
    if (issue.line < 1 || static_cast<std::size_t>(issue.line) > lines ||
        Compose(issue.reason).empty()) {
      std::abort();
    }
  }
  for (const CoreEntry& core : parse.cores) {
    for (double mm : {core.a_mm, core.c_mm, core.h_mm}) {
      if (!(mm > 0 && mm <= kMaxCoreDimensionMm)) std::abort();
    }
    if (core.name.empty() || core.built_in) std::abort();
  }

  const CoreCsvParse again =
      ParseCoreCsv(CoreCsvText(parse.cores), false, BuiltInCores());
  if (!again.issues.empty() || again.cores.size() != parse.cores.size()) {
    std::abort();
  }
  for (std::size_t i = 0; i < parse.cores.size(); ++i) {
    const CoreEntry& a = parse.cores[i];
    const CoreEntry& b = again.cores[i];
    if (a.name != b.name || a.a_mm != b.a_mm || a.c_mm != b.c_mm ||
        a.h_mm != b.h_mm) {
      std::abort();
    }
  }
  return 0;
}
