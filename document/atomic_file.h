// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a file so that it holds either all of its old bytes or all of
// the new ones, whatever happens during the write. The window and
// spulix-calc write every file of theirs through it.
#ifndef SPULIX_DOCUMENT_ATOMIC_FILE_H_
#define SPULIX_DOCUMENT_ATOMIC_FILE_H_

#include <optional>
#include <string>
#include <string_view>

namespace spulix {

struct WriteFailure {
  enum class Kind {
    kSystem,    // error_number says why
    kReadOnly,  // the file exists and may not be written
    kNotAFile,  // a folder or a device stands where the file should be
  };
  Kind kind = Kind::kSystem;
  int error_number = 0;  // errno of the call that failed (kSystem)
};

// Writes `bytes` into a new file in the target's folder, syncs it, renames
// it over the target and syncs the folder. A symbolic link, also one whose
// target does not exist yet, is followed: the link stays and the file it
// names is written. An existing file keeps its permission bits (and its
// owner where the caller may keep it); a read-only one is refused and left
// as it was. On failure no temporary file stays behind.
std::optional<WriteFailure> WriteFileAtomically(const std::string& path,
                                                std::string_view bytes);

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_ATOMIC_FILE_H_
