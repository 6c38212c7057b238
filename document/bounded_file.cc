// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/bounded_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "document/file_descriptor.h"

namespace spulix {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

ReadFailure Failure(ReadFailure::Kind kind, int error_number = 0) {
  return ReadFailure{kind, error_number, 0};
}

ReadFailure TooLarge(std::uint64_t size) {
  return ReadFailure{ReadFailure::Kind::kTooLarge, 0, size};
}

bool IsPipe(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

}  // namespace

BoundedRead ReadBoundedFile(const std::string& path, std::uint64_t max_bytes,
                            bool allow_pipes) {
  // Non-blocking unless a pipe is wanted, so that opening a pipe without
  // a writer returns at once instead of waiting for one.
  const bool wait = allow_pipes && IsPipe(path);
  FileDescriptor file(
      ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (wait ? 0 : O_NONBLOCK)));
  if (file.get() < 0) {
    if (errno == EISDIR) return Failure(ReadFailure::Kind::kNotAFile);
    return Failure(ReadFailure::Kind::kCannotOpen, errno);
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    return Failure(ReadFailure::Kind::kReadFailed, errno);
  }
  const bool pipe = S_ISFIFO(info.st_mode);
  if (!S_ISREG(info.st_mode) && !(pipe && allow_pipes)) {
    return Failure(ReadFailure::Kind::kNotAFile);
  }
  if (S_ISREG(info.st_mode)) {
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (size > max_bytes) return TooLarge(size);
  } else if (!wait) {
    // It became a pipe between the two looks: read it as one.
    ::fcntl(file.get(), F_SETFL, ::fcntl(file.get(), F_GETFL) & ~O_NONBLOCK);
  }
  // One byte beyond the limit tells a file that grew, or a pipe that goes
  // on, from one that fits.
  std::string text;
  for (;;) {
    const std::size_t want = static_cast<std::size_t>(
        std::min<std::uint64_t>(kChunk, max_bytes + 1 - text.size()));
    const std::size_t done = text.size();
    text.resize(done + want);
    const ssize_t n = ::read(file.get(), text.data() + done, want);
    if (n < 0) {
      text.resize(done);
      if (errno == EINTR) continue;
      return Failure(ReadFailure::Kind::kReadFailed, errno);
    }
    text.resize(done + static_cast<std::size_t>(n));
    if (n == 0) break;
    if (text.size() > max_bytes) return TooLarge(text.size());
  }
  return text;
}

BoundedRead ReadBoundedStream(std::istream& input, std::uint64_t max_bytes) {
  std::string text;
  char chunk[kChunk];
  while (input.read(chunk, sizeof chunk) || input.gcount() > 0) {
    text.append(chunk, static_cast<std::size_t>(input.gcount()));
    if (text.size() > max_bytes) return TooLarge(text.size());
  }
  if (input.bad()) return Failure(ReadFailure::Kind::kReadFailed, EIO);
  return text;
}

}  // namespace spulix
