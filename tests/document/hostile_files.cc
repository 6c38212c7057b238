// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/document/hostile_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace spulix::testing_support {
namespace {

namespace fs = std::filesystem;
using O = Outcome;

// A regular file's bytes (through links); nothing for anything else, which
// is never opened (a pipe would wait for a writer).
std::optional<std::string> Content(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Spit(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

MadeFile Made(const fs::path& path) { return {path.string(), path, {}, {}}; }

// A file to save over: `path`, whose bytes land in (or must stay in)
// `target`.
MadeFile ToWrite(const fs::path& path, const fs::path& target) {
  return {path.string(), target, Content(target), {}};
}

std::string DesignWithDeepExtra() {
  std::string text = SerializeDesign(Design{});
  // A key this version does not know inside an extra secondary of the
  // winding sheet, 8 levels deep with the root.
  text.insert(text.rfind('}'),
              ",\"sheet\":{\"extra_secondaries\":[{\"a\":[[[[1]]]]}]}");
  return text;
}

std::string ManyKeys() {
  std::string text = "{";
  for (int i = 0; i < 80000; ++i) {
    text += (i ? ",\"k" : "\"k") + std::to_string(100000 + i) + "\":0";
  }
  return text + "}";
}

// Writes `text` into a named pipe once a reader opens it.
class NamedPipeWriter {
 public:
  NamedPipeWriter(fs::path path, std::string text)
      : path_(std::move(path)), thread_([this, text] {
          const int fd = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
          if (fd >= 0) {
            [[maybe_unused]] const ssize_t n =
                ::write(fd, text.data(), text.size());
            ::close(fd);
          }
          done_ = true;
        }) {}
  ~NamedPipeWriter() {
    // Nobody read: be the reader, so that the writer's open returns.
    const int fd =
        done_ ? -1 : ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    thread_.join();
    if (fd >= 0) ::close(fd);
  }

 private:
  fs::path path_;
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// An anonymous pipe (/dev/fd/N) that never ends until released.
class EndlessPipe {
 public:
  EndlessPipe() {
    if (::pipe2(fds_, O_CLOEXEC) != 0) fds_[0] = fds_[1] = -1;
    thread_ = std::thread([this] {
      const std::string chunk(4096, '#');
      while (::write(fds_[1], chunk.data(), chunk.size()) > 0) {
      }
    });
  }
  ~EndlessPipe() {
    ::close(fds_[0]);  // the writer's next write fails
    thread_.join();
    ::close(fds_[1]);
  }
  std::string path() const { return "/dev/fd/" + std::to_string(fds_[0]); }

 private:
  int fds_[2];
  std::thread thread_;
};

std::vector<HostileFile> MakeTable() {
  // A writer whose reader went away gets an error, not a signal.
  std::signal(SIGPIPE, SIG_IGN);
  const std::uint64_t limit = kMaxDesignFileBytes;
  static_assert(kMaxDesignFileBytes == kMaxTextFileBytes);
  return {
      // Reads.
      {"Missing", false,
       [](const fs::path& f) { return Made(f / "missing.spulix"); },
       O::kCannotOpen, O::kCannotOpen, O::kCannotOpen},
      {"Folder", false,
       [](const fs::path& f) {
         fs::create_directories(f / "folder.spulix");
         return Made(f / "folder.spulix");
       },
       O::kNotAFile, O::kNotAFile, O::kNotAFile},
      {"DevZero", false, [](const fs::path&) { return Made("/dev/zero"); },
       O::kNotAFile, O::kNotAFile, O::kNotAFile},
      {"Sparse100MB", false,
       [](const fs::path& f) {
         Spit(f / "huge.spulix", "{");
         fs::resize_file(f / "huge.spulix", 100u << 20);
         return Made(f / "huge.spulix");
       },
       O::kTooLarge, O::kTooLarge, O::kTooLarge},
      {"OneByteOverTheLimit", false,
       [limit](const fs::path& f) {
         Spit(f / "blanks.spulix", std::string(limit + 1, ' '));
         return Made(f / "blanks.spulix");
       },
       O::kTooLarge, O::kTooLarge, O::kTooLarge},
      {"NestedBrackets", false,
       [limit](const fs::path& f) {
         Spit(f / "nested.spulix", std::string(limit, '['));
         return Made(f / "nested.spulix");
       },
       O::kTooComplex, O::kAccepted, O::kAccepted},
      {"ManyKeys", false,
       [](const fs::path& f) {
         Spit(f / "keys.spulix", ManyKeys());
         return Made(f / "keys.spulix");
       },
       O::kTooComplex, O::kAccepted, O::kAccepted},
      {"DesignWithDeepExtraKey", false,
       [](const fs::path& f) {
         Spit(f / "deep.spulix", DesignWithDeepExtra());
         return Made(f / "deep.spulix");
       },
       O::kAccepted, O::kAccepted, O::kAccepted},
      {"NamedPipe", false,
       [](const fs::path& f) {
         const fs::path path = f / "fifo.spulix";
         ::mkfifo(path.c_str(), 0600);
         MadeFile made = Made(path);
         made.keep = std::make_shared<NamedPipeWriter>(path, "# a comment\n");
         return made;
       },
       O::kNotAFile, O::kNotAFile, O::kAccepted},
      {"EndlessPipe", false,
       [](const fs::path&) {
         auto pipe = std::make_shared<EndlessPipe>();
         MadeFile made = Made(pipe->path());
         made.keep = pipe;
         return made;
       },
       O::kNotAFile, O::kNotAFile, O::kTooLarge},

      // Writes.
      {"DanglingLink", true,
       [](const fs::path& f) {
         fs::create_symlink("new.spulix", f / "link.spulix");
         return ToWrite(f / "link.spulix", f / "new.spulix");
       },
       O::kAccepted, O::kAccepted, O::kAccepted},
      {"RelativeLinkChain", true,
       [](const fs::path& f) {
         fs::create_directories(f / "sub");
         Spit(f / "real.spulix", "old");
         fs::create_symlink("sub/middle.spulix", f / "link.spulix");
         fs::create_symlink("../real.spulix", f / "sub/middle.spulix");
         return ToWrite(f / "link.spulix", f / "real.spulix");
       },
       O::kAccepted, O::kAccepted, O::kAccepted},
      {"ReadOnlyFile", true,
       [](const fs::path& f) {
         Spit(f / "locked.spulix", "old");
         fs::permissions(f / "locked.spulix", fs::perms::owner_read |
                                                  fs::perms::group_read |
                                                  fs::perms::others_read);
         return ToWrite(f / "locked.spulix", f / "locked.spulix");
       },
       O::kReadOnly, O::kReadOnly, O::kReadOnly},
      {"LinkToReadOnlyFile", true,
       [](const fs::path& f) {
         Spit(f / "locked.spulix", "old");
         fs::permissions(f / "locked.spulix", fs::perms::owner_read);
         fs::create_symlink("locked.spulix", f / "link.spulix");
         return ToWrite(f / "link.spulix", f / "locked.spulix");
       },
       O::kReadOnly, O::kReadOnly, O::kReadOnly},
      {"FolderInTheWay", true,
       [](const fs::path& f) {
         fs::create_directories(f / "taken.spulix/inside");
         return ToWrite(f / "taken.spulix", f / "taken.spulix");
       },
       O::kNotAFile, O::kNotAFile, O::kNotAFile},
      {"PipeInTheWay", true,
       [](const fs::path& f) {
         ::mkfifo((f / "pipe.spulix").c_str(), 0600);
         return ToWrite(f / "pipe.spulix", f / "pipe.spulix");
       },
       O::kNotAFile, O::kNotAFile, O::kNotAFile},
      {"MissingFolder", true,
       [](const fs::path& f) {
         return ToWrite(f / "gone/x.spulix", f / "gone/x.spulix");
       },
       O::kWriteFailed, O::kWriteFailed, O::kWriteFailed},
      {"LinkLoop", true,
       [](const fs::path& f) {
         fs::create_symlink("b.spulix", f / "a.spulix");
         fs::create_symlink("a.spulix", f / "b.spulix");
         return ToWrite(f / "a.spulix", f / "a.spulix");
       },
       O::kWriteFailed, O::kWriteFailed, O::kWriteFailed},
  };
}

}  // namespace

const std::vector<HostileFile>& HostileFiles() {
  static const std::vector<HostileFile> table = MakeTable();
  return table;
}

std::vector<HostileFile> HostileFilesNamed(
    const std::vector<std::string_view>& names) {
  std::vector<HostileFile> rows;
  for (std::string_view name : names) {
    for (const HostileFile& row : HostileFiles()) {
      if (name == row.name) rows.push_back(row);
    }
  }
  return rows;
}

Outcome OutcomeOf(const std::optional<DesignError>& error) {
  if (!error) return O::kAccepted;
  switch (error->kind) {
    case DesignError::Kind::kCannotOpen:
      return O::kCannotOpen;
    case DesignError::Kind::kNotAFile:
      return O::kNotAFile;
    case DesignError::Kind::kTooLarge:
    case DesignError::Kind::kDesignTooLarge:
      return O::kTooLarge;
    case DesignError::Kind::kTooComplex:
      return O::kTooComplex;
    case DesignError::Kind::kReadOnly:
      return O::kReadOnly;
    case DesignError::Kind::kWriteFailed:
      return O::kWriteFailed;
    default:
      return O::kBadContent;
  }
}

Outcome OutcomeOf(const DesignParse& parse) {
  const auto* error = std::get_if<DesignError>(&parse);
  return error ? OutcomeOf(std::optional<DesignError>(*error)) : O::kAccepted;
}

Outcome OutcomeOf(const BoundedRead& read) {
  const auto* failure = std::get_if<ReadFailure>(&read);
  if (!failure) return O::kAccepted;
  switch (failure->kind) {
    case ReadFailure::Kind::kCannotOpen:
      return O::kCannotOpen;
    case ReadFailure::Kind::kNotAFile:
      return O::kNotAFile;
    case ReadFailure::Kind::kTooLarge:
      return O::kTooLarge;
    case ReadFailure::Kind::kReadFailed:
      break;
  }
  return O::kBadContent;
}

Outcome OutcomeOf(const std::optional<WriteFailure>& failure) {
  if (!failure) return O::kAccepted;
  switch (failure->kind) {
    case WriteFailure::Kind::kReadOnly:
      return O::kReadOnly;
    case WriteFailure::Kind::kNotAFile:
      return O::kNotAFile;
    case WriteFailure::Kind::kSystem:
      break;
  }
  return O::kWriteFailed;
}

std::ostream& operator<<(std::ostream& out, Outcome outcome) {
  static constexpr const char* kNames[] = {
      "accepted",    "cannot open", "not a file", "too large",
      "too complex", "bad content", "read-only",  "write failed"};
  return out << kNames[static_cast<int>(outcome)];
}

std::string WriteEffectProblem(const MadeFile& made, const fs::path& folder,
                               std::string_view bytes, Outcome expected) {
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.path().filename().string().find(".tmp-") != std::string::npos) {
      return "temporary file left: " + entry.path().string();
    }
  }
  std::error_code error;
  if (made.path != made.target.string() && !fs::is_symlink(made.path, error)) {
    return "the link was replaced";
  }
  if (expected == O::kAccepted) {
    if (Content(made.target) != std::string(bytes)) {
      return "the target does not hold the bytes written";
    }
  } else if (Content(made.target) != made.target_before) {
    return "a refused write changed the target";
  }
  return {};
}

ScratchFolder::ScratchFolder() {
  std::string name =
      (fs::temp_directory_path() / "spulix-hostile-XXXXXX").string();
  if (::mkdtemp(name.data()) == nullptr) std::abort();
  path_ = name;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void PrintTo(const HostileFile& file, std::ostream* out) { *out << file.name; }

}  // namespace spulix::testing_support
