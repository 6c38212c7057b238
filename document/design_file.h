// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing design files on disk.
#ifndef SPULIX_DOCUMENT_DESIGN_FILE_H_
#define SPULIX_DOCUMENT_DESIGN_FILE_H_

#include <optional>
#include <string>

#include "document/design_document.h"

namespace spulix {

// Reads and parses a design file. Folders, devices and pipes are refused
// without being read, and so is a file above kMaxDesignFileBytes.
DesignParse ReadDesignFile(const std::string& path);

// Writes the design atomically: into a new file in the same folder, flushed
// to the disk, then renamed over `path`. On any failure the earlier file is
// left as it was and no temporary file stays behind.
std::optional<DesignError> WriteDesignFile(const std::string& path,
                                           const DesignDocument& document);

// The same for a text that is already serialised (the window uses its own
// atomic writer; this is the check both apply before writing).
std::optional<DesignError> CheckDesignSize(const std::string& text);

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_DESIGN_FILE_H_
