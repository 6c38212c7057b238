// SPDX-License-Identifier: GPL-3.0-or-later
// Design files on disk: bad files are refused without harm, and a failed
// save leaves the earlier file exactly as it was.
#include "document/design_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "document/design_error_text.h"

namespace spulix {
namespace {

namespace fs = std::filesystem;

class DesignFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("spulix-design-file-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const {
    return (folder_ / name).string();
  }
  static std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  static DesignDocument Design(const std::string& p2) {
    DesignDocument document;
    document.text(Field::kOutputPower) = p2;
    document.text(Field::kInputVoltage) = "220";
    document.figures = {"22", "35", "61.5"};
    return document;
  }
  static DesignError::Kind KindOf(const DesignParse& parse) {
    EXPECT_TRUE(std::holds_alternative<DesignError>(parse));
    return std::holds_alternative<DesignError>(parse)
               ? std::get<DesignError>(parse).kind
               : DesignError::Kind::kEmpty;
  }

  fs::path folder_;
};

TEST_F(DesignFile, WrittenFileReadsBackAndLeavesNothingElse) {
  const std::string path = Path("a.spulix");
  ASSERT_FALSE(WriteDesignFile(path, Design("250")));
  ASSERT_FALSE(WriteDesignFile(path, Design("300")));  // replaces it
  DesignParse parse = ReadDesignFile(path);
  ASSERT_TRUE(std::holds_alternative<DesignDocument>(parse));
  EXPECT_EQ(std::get<DesignDocument>(parse), Design("300"));
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.spulix"});
}

TEST_F(DesignFile, SavingThroughALinkReplacesTheFileItPointsTo) {
  const std::string real = Path("real.spulix");
  const std::string link = Path("link.spulix");
  ASSERT_FALSE(WriteDesignFile(real, Design("1")));
  fs::create_symlink(real, link);
  ASSERT_FALSE(WriteDesignFile(link, Design("2")));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(std::get<DesignDocument>(ReadDesignFile(real)), Design("2"));
}

TEST_F(DesignFile, ExistingFileKeepsItsPermissions) {
  const std::string path = Path("shared.spulix");
  ASSERT_FALSE(WriteDesignFile(path, Design("1")));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write |
                            fs::perms::group_read | fs::perms::others_read);
  ASSERT_FALSE(WriteDesignFile(path, Design("2")));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write |
                fs::perms::group_read | fs::perms::others_read);
}

TEST_F(DesignFile, UnreadableThingsAreRefusedWithoutReadingThem) {
  EXPECT_EQ(KindOf(ReadDesignFile(Path("missing.spulix"))),
            DesignError::Kind::kCannotOpen);
  EXPECT_EQ(KindOf(ReadDesignFile(folder_.string())),
            DesignError::Kind::kNotAFile);
  // A pipe without a writer would block a plain read forever.
  const std::string pipe = Path("pipe.spulix");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(KindOf(ReadDesignFile(pipe)), DesignError::Kind::kNotAFile);

  // 100 MB, sparse: refused from its size alone.
  const std::string huge = Path("huge.spulix");
  { std::ofstream(huge) << "{"; }
  fs::resize_file(huge, 100u << 20);
  const DesignParse parse = ReadDesignFile(huge);
  ASSERT_EQ(KindOf(parse), DesignError::Kind::kTooLarge);
  const std::string text = ChineseErrorText(std::get<DesignError>(parse),
                                            "huge.spulix", FileAction::kOpen);
  EXPECT_NE(text.find("文件太大（约 100 MB）"), std::string::npos) << text;
}

TEST_F(DesignFile, SaveIntoAMissingFolderFailsCleanly) {
  const auto error = WriteDesignFile(Path("gone/a.spulix"), Design("250"));
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, DesignError::Kind::kWriteFailed);
  EXPECT_NE(EnglishErrorText(*error, "gone/a.spulix", FileAction::kSave)
                .find("cannot save design file 'gone/a.spulix': cannot write"),
            std::string::npos);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(DesignFile, FailedSavesLeaveTheEarlierFileIntact) {
  const std::string path = Path("keep.spulix");
  ASSERT_FALSE(WriteDesignFile(path, Design("250")));
  const std::string before = Content(path);

  // A full disk: the file size limit makes the write fail part-way.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto full = WriteDesignFile(path, Design(std::string(100000, '9')));
  ::setrlimit(RLIMIT_FSIZE, &old);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->kind, DesignError::Kind::kWriteFailed);

  // A design too large to open again is not written at all.
  const auto too_large =
      WriteDesignFile(path, Design(std::string(kMaxDesignFileBytes, '9')));
  ASSERT_TRUE(too_large);
  EXPECT_EQ(too_large->kind, DesignError::Kind::kDesignTooLarge);

  EXPECT_EQ(Content(path), before);
  EXPECT_EQ(Entries(), std::vector<std::string>{"keep.spulix"});
}

TEST_F(DesignFile, AFolderInTheWayIsNotReplaced) {
  const std::string path = Path("taken.spulix");
  fs::create_directories(fs::path(path) / "inside");
  const auto error = WriteDesignFile(path, Design("250"));
  ASSERT_TRUE(error);
  EXPECT_TRUE(fs::is_directory(fs::path(path) / "inside"));
  EXPECT_EQ(Entries(), std::vector<std::string>{"taken.spulix"});
}

}  // namespace
}  // namespace spulix
