// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a small file whose path the user gave, safely: a pipe without a
// writer does not hang the caller, a device such as /dev/zero is refused
// unread, and nothing beyond the size limit is kept in memory.
#ifndef SPULIX_DOCUMENT_BOUNDED_FILE_H_
#define SPULIX_DOCUMENT_BOUNDED_FILE_H_

#include <cstdint>
#include <istream>
#include <string>
#include <variant>

namespace spulix {

// Largest core list or script read (a hand-made one is a few kilobytes).
inline constexpr std::uint64_t kMaxTextFileBytes = 1u << 20;

struct ReadFailure {
  enum class Kind {
    kCannotOpen,  // error_number says why
    kNotAFile,    // a folder, a device, a socket (or a pipe, where refused)
    kTooLarge,    // size: the file's size, or what was read before stopping
    kReadFailed,  // error_number says why
  };
  Kind kind;
  int error_number = 0;
  std::uint64_t size = 0;
};

using BoundedRead = std::variant<std::string, ReadFailure>;

// Reads the whole of a regular file of at most `max_bytes`; a larger one
// is refused by its size without being read. With `allow_pipes` a pipe is
// read too (a shell's process substitution gives one), waiting for its
// writer, up to `max_bytes`: an endless one is refused once it passes the
// limit.
BoundedRead ReadBoundedFile(const std::string& path, std::uint64_t max_bytes,
                            bool allow_pipes);

// The same limit on a stream (standard input).
BoundedRead ReadBoundedStream(std::istream& input, std::uint64_t max_bytes);

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_BOUNDED_FILE_H_
