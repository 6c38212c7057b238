// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <variant>

#include "document/file_descriptor.h"

namespace spulix {
namespace {

namespace fs = std::filesystem;

// As many links as the kernel follows in one path.
constexpr int kMaxLinkHops = 40;

WriteFailure System(int error_number) {
  return WriteFailure{WriteFailure::Kind::kSystem, error_number};
}

// The contents of the link at `path`.
std::variant<std::string, int> LinkText(const fs::path& path, off_t size) {
  std::string text(static_cast<std::size_t>(size > 0 ? size : 64) + 1, '\0');
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), text.data(), text.size());
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) < text.size()) {
      text.resize(static_cast<std::size_t>(n));
      return text;
    }
    text.resize(text.size() * 2);  // the link changed under us
  }
}

// Follows the chain of links at `path` to the name of the file to replace,
// which need not exist; a relative link names a file beside the link.
std::variant<fs::path, int> Resolve(fs::path path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
      return errno == ENOENT ? std::variant<fs::path, int>(path) : errno;
    }
    if (!S_ISLNK(info.st_mode)) return path;
    auto text = LinkText(path, info.st_size);
    if (const int* error = std::get_if<int>(&text)) return *error;
    const fs::path target(std::get<std::string>(text));
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return ELOOP;
}

// A name in the same folder that no other writer of this process or of
// another one picks at the same time.
fs::path TemporaryName(const fs::path& target, int attempt) {
  static std::atomic<unsigned> counter{0};
  fs::path name = target;
  // Built by appending: GCC 12 falsely warns (-Wrestrict) about a literal
  // plus a temporary string in optimised builds.
  std::string file = ".";
  file += target.filename().string();
  for (const std::string& part :
       {std::string(".tmp-"), std::to_string(::getpid()), std::string("-"),
        std::to_string(counter++), std::string("-"), std::to_string(attempt)}) {
    file += part;
  }
  name.replace_filename(file);
  return name;
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void SyncFolder(const fs::path& target) {
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename stands; only its durability is unsure
  ::fsync(fd);
  ::close(fd);
}

// Root may write any file, so the write bits decide as well: a file its
// owner made read-only stays untouched whoever saves.
bool ReadOnly(const fs::path& target, const struct stat& info) {
  return ::access(target.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0;
}

}  // namespace

std::optional<WriteFailure> WriteFileAtomically(const std::string& path,
                                                std::string_view bytes) {
  auto resolved = Resolve(path);
  if (const int* error = std::get_if<int>(&resolved)) return System(*error);
  const fs::path target = std::get<fs::path>(resolved);

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (!S_ISREG(old.st_mode))
      return WriteFailure{WriteFailure::Kind::kNotAFile};
    if (ReadOnly(target, old))
      return WriteFailure{WriteFailure::Kind::kReadOnly};
  }

  fs::path temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryName(target, attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return System(errno);
  FileDescriptor file(fd);

  auto fail = [&](int error_number) {
    if (file.get() >= 0) file.Close();
    ::unlink(temporary.c_str());
    return System(error_number);
  };
  if (exists) {
    // Only root may give the file back to its owner; for anyone else the
    // owner is already right.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      [[maybe_unused]] const int ignored =
          ::fchown(file.get(), old.st_uid, old.st_gid);
    }
    if (::fchmod(file.get(), old.st_mode & 07777) != 0) return fail(errno);
  }
  if (!WriteAll(file.get(), bytes)) return fail(errno);
  if (::fsync(file.get()) != 0) return fail(errno);
  if (!file.Close()) return fail(errno);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return fail(errno);
  SyncFolder(target);
  return std::nullopt;
}

}  // namespace spulix
