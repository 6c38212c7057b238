// SPDX-License-Identifier: GPL-3.0-or-later
// A POSIX file descriptor that is closed when it goes out of scope.
#ifndef SPULIX_DOCUMENT_FILE_DESCRIPTOR_H_
#define SPULIX_DOCUMENT_FILE_DESCRIPTOR_H_

#include <unistd.h>

namespace spulix {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  // Closes now and reports whether the close succeeded (a write may fail
  // only here, on some file systems).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_FILE_DESCRIPTOR_H_
