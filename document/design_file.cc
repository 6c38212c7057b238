// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/design_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace spulix {
namespace {

DesignError SystemError(DesignError::Kind kind, int error_number) {
  return DesignError{kind, std::strerror(error_number)};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A name in the same folder that no other writer of this process or of
// another one picks at the same time.
std::string TemporaryName(const std::filesystem::path& target, int attempt) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path name = target;
  name.replace_filename(
      "." + target.filename().string() + ".tmp-" + std::to_string(::getpid()) +
      "-" + std::to_string(counter++) + "-" + std::to_string(attempt));
  return name.string();
}

void SyncFolder(const std::filesystem::path& target) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename stands; only its durability is unsure
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

DesignParse ReadDesignFile(const std::string& path) {
  // Non-blocking, so that a pipe does not wait for a writer.
  Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) {
    if (errno == EISDIR) return DesignError{DesignError::Kind::kNotAFile, {}};
    return SystemError(DesignError::Kind::kCannotOpen, errno);
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    return SystemError(DesignError::Kind::kReadFailed, errno);
  }
  if (!S_ISREG(info.st_mode))
    return DesignError{DesignError::Kind::kNotAFile, {}};
  const auto size = static_cast<std::uint64_t>(info.st_size);
  if (size > kMaxDesignFileBytes) {
    return DesignError{DesignError::Kind::kTooLarge, {}, size};
  }
  // Read one byte more than allowed, for a file that grows while we read.
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n =
        ::read(file.get(), text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return SystemError(DesignError::Kind::kReadFailed, errno);
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
    if (done > kMaxDesignFileBytes) {
      return DesignError{DesignError::Kind::kTooLarge, {}, done};
    }
    if (done == text.size()) text.resize(text.size() * 2);
  }
  text.resize(done);
  return ParseDesign(text);
}

std::optional<DesignError> CheckDesignSize(const std::string& text) {
  if (text.size() > kMaxDesignFileBytes) {
    return DesignError{DesignError::Kind::kDesignTooLarge, {}, text.size()};
  }
  return std::nullopt;
}

std::optional<DesignError> WriteDesignFile(const std::string& path,
                                           const DesignDocument& document) {
  const std::string text = SerializeDesign(document);
  if (auto error = CheckDesignSize(text)) return error;
  // A link stays a link: the file it points to is the one replaced.
  std::filesystem::path target(path);
  std::error_code ignored;
  if (std::filesystem::is_symlink(target, ignored)) {
    const auto resolved = std::filesystem::canonical(target, ignored);
    if (!ignored) target = resolved;
  }

  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = TemporaryName(target, attempt);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                0666);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return SystemError(DesignError::Kind::kWriteFailed, errno);
  Descriptor file(fd);

  auto fail = [&](int error_number) {
    file.Close();
    ::unlink(temporary.c_str());
    return SystemError(DesignError::Kind::kWriteFailed, error_number);
  };
  // An existing file keeps its permissions.
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ::fchmod(file.get(), old.st_mode & 07777);
  }
  if (!WriteAll(file.get(), text)) return fail(errno);
  if (::fsync(file.get()) != 0) return fail(errno);
  if (!file.Close()) {
    const int error_number = errno;
    ::unlink(temporary.c_str());
    return SystemError(DesignError::Kind::kWriteFailed, error_number);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error_number = errno;
    ::unlink(temporary.c_str());
    return SystemError(DesignError::Kind::kWriteFailed, error_number);
  }
  SyncFolder(target);
  return std::nullopt;
}

}  // namespace spulix
