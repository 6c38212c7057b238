// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing design files on disk.
#ifndef SPULIX_DOCUMENT_DESIGN_FILE_H_
#define SPULIX_DOCUMENT_DESIGN_FILE_H_

#include <optional>
#include <string>
#include <string_view>

#include "document/design_document.h"

namespace spulix {

// Reads and parses a design file. Folders, devices and pipes are refused
// without being read, and so is a file above kMaxDesignFileBytes.
DesignParse ReadDesignFile(const std::string& path);

// Writes the design atomically (WriteFileAtomically): a link is written
// through, a read-only file is refused, and on any failure the earlier file
// is left as it was and no temporary file stays behind.
std::optional<DesignError> WriteDesignFile(const std::string& path,
                                           const Design& design);

// Refuses a serialised design too large to be opened again: over
// kMaxDesignFileBytes, or beyond the limits of CheckDesignShape.
std::optional<DesignError> CheckDesignSize(const std::string& text);

// Writes any bytes the way WriteDesignFile does, with its errors (the
// window also writes its PDF report this way).
std::optional<DesignError> SaveDesignText(const std::string& path,
                                          std::string_view text);

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_DESIGN_FILE_H_
