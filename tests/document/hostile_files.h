// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile and unusual files, one table for every test that reads or writes
// a user-named file: the design file code, spulix-calc and the window. Each
// row makes its file in a scratch folder and says what each kind of reader
// or writer must make of it.
#ifndef SPULIX_TESTS_DOCUMENT_HOSTILE_FILES_H_
#define SPULIX_TESTS_DOCUMENT_HOSTILE_FILES_H_

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "document/atomic_file.h"
#include "document/bounded_file.h"
#include "document/design_document.h"

namespace spulix::testing_support {

enum class Outcome {
  kAccepted,     // read whole, or written (through any links) to its target
  kCannotOpen,   // missing
  kNotAFile,     // a folder, a device or a pipe where none is taken
  kTooLarge,     // past the size limit, by its size or while reading
  kTooComplex,   // a design file nested too deep or with too many values
  kBadContent,   // read, but no design (any other design error)
  kReadOnly,     // a read-only target, left unchanged
  kWriteFailed,  // the system refused the write
};

// A made file: the path to hand over, and what the checks need.
struct MadeFile {
  std::string path;
  std::filesystem::path target;  // writes: where the bytes must land
  std::optional<std::string> target_before;  // its content, if it existed
  std::shared_ptr<void> keep;  // a pipe's writer, stopped when released
};

struct HostileFile {
  const char* name;
  bool write;  // saved over rather than read
  std::function<MadeFile(const std::filesystem::path& folder)> make;
  Outcome design;   // design file read or write (window and spulix-calc)
  Outcome regular;  // ReadBoundedFile(path, 1 MiB, regular files only): the
                    // window's core file; writes: WriteFileAtomically
  Outcome piped;    // ReadBoundedFile(path, 1 MiB, pipes too): spulix-calc
                    // --core-file and --script
};

const std::vector<HostileFile>& HostileFiles();
// The rows of these names, in this order (for a few wiring rows).
std::vector<HostileFile> HostileFilesNamed(
    const std::vector<std::string_view>& names);

Outcome OutcomeOf(const DesignParse& parse);
Outcome OutcomeOf(const std::optional<DesignError>& error);
Outcome OutcomeOf(const BoundedRead& read);
Outcome OutcomeOf(const std::optional<WriteFailure>& failure);

// After writing `bytes` to a made file: an empty text if the folder shows
// what `expected` means (the bytes in the target, links still links, or
// the target unchanged) and no temporary file is left; else what differs.
std::string WriteEffectProblem(const MadeFile& made,
                               const std::filesystem::path& folder,
                               std::string_view bytes, Outcome expected);

// A fresh folder under the system's temporary folder, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void PrintTo(const HostileFile& file, std::ostream* out);
std::ostream& operator<<(std::ostream& out, Outcome outcome);

}  // namespace spulix::testing_support

#endif  // SPULIX_TESTS_DOCUMENT_HOSTILE_FILES_H_
