// SPDX-License-Identifier: GPL-3.0-or-later
// Design files on disk: bad files are refused without harm, and a failed
// save leaves the earlier file exactly as it was.
#include "document/design_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
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
  static Design SavedDesign(const std::string& p2) {
    Design document;
    document.texts[Field::kOutputPower] = p2;
    document.texts[Field::kInputVoltage] = "220";
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
  ASSERT_FALSE(WriteDesignFile(path, SavedDesign("250")));
  ASSERT_FALSE(WriteDesignFile(path, SavedDesign("300")));  // replaces it
  DesignParse parse = ReadDesignFile(path);
  ASSERT_TRUE(std::holds_alternative<Design>(parse));
  EXPECT_EQ(std::get<Design>(parse), SavedDesign("300"));
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.spulix"});
}

TEST_F(DesignFile, ExistingFileKeepsItsPermissions) {
  const std::string path = Path("shared.spulix");
  ASSERT_FALSE(WriteDesignFile(path, SavedDesign("1")));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write |
                            fs::perms::group_read | fs::perms::others_read);
  ASSERT_FALSE(WriteDesignFile(path, SavedDesign("2")));
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write |
                fs::perms::group_read | fs::perms::others_read);
}

TEST_F(DesignFile, SaveIntoAMissingFolderFailsCleanly) {
  const auto error = WriteDesignFile(Path("gone/a.spulix"), SavedDesign("250"));
  ASSERT_TRUE(error);
  EXPECT_EQ(error->kind, DesignError::Kind::kWriteFailed);
  EXPECT_NE(EnglishErrorText(*error, "gone/a.spulix", FileAction::kSave)
                .find("cannot save design file 'gone/a.spulix': cannot write"),
            std::string::npos);
  EXPECT_TRUE(Entries().empty());
}

TEST_F(DesignFile, FailedSavesLeaveTheEarlierFileIntact) {
  const std::string path = Path("keep.spulix");
  ASSERT_FALSE(WriteDesignFile(path, SavedDesign("250")));
  const std::string before = Content(path);

  // A full disk: the file size limit makes the write fail part-way.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto full =
      WriteDesignFile(path, SavedDesign(std::string(100000, '9')));
  ::setrlimit(RLIMIT_FSIZE, &old);
  ASSERT_TRUE(full);
  EXPECT_EQ(full->kind, DesignError::Kind::kWriteFailed);
  EXPECT_EQ(ChineseProblem(*full), "写入失败（文件太大），原有文件保持不变");

  // A design too large to open again is not written at all.
  const auto too_large =
      WriteDesignFile(path, SavedDesign(std::string(kMaxDesignFileBytes, '9')));
  ASSERT_TRUE(too_large);
  EXPECT_EQ(too_large->kind, DesignError::Kind::kDesignTooLarge);
  // So is one with more extra secondaries than a file may hold values.
  Design crowded = SavedDesign("250");
  crowded.sheet.secondaries.SetExtras(
      std::vector<Secondary>(1100, {"6.3", "2", false}));
  const auto too_many = WriteDesignFile(path, crowded);
  ASSERT_TRUE(too_many);
  EXPECT_EQ(too_many->kind, DesignError::Kind::kDesignTooLarge);
  crowded.sheet.secondaries.SetExtras(
      std::vector<Secondary>(1000, {"6.3", "2", false}));
  EXPECT_FALSE(WriteDesignFile(Path("crowded.spulix"), crowded));
  const DesignParse crowded_read = ReadDesignFile(Path("crowded.spulix"));
  ASSERT_TRUE(std::holds_alternative<Design>(crowded_read));
  EXPECT_EQ(std::get<Design>(crowded_read), crowded);
  std::filesystem::remove(Path("crowded.spulix"));

  EXPECT_EQ(Content(path), before);
  EXPECT_EQ(Entries(), std::vector<std::string>{"keep.spulix"});
}

// The window says the system's common reasons in Chinese; spulix-calc
// keeps the system's words.
TEST_F(DesignFile, ReasonsReadInTheLanguageOfTheirSentence) {
  const std::string huge = Path("huge.spulix");
  { std::ofstream(huge) << "{"; }
  fs::resize_file(huge, 100u << 20);
  const std::string locked = Path("locked.spulix");
  ASSERT_FALSE(WriteDesignFile(locked, SavedDesign("1")));
  fs::permissions(locked, fs::perms::owner_read);
  struct Case {
    DesignParse result;
    const char* chinese;
    std::string english;
  } cases[] = {
      {ReadDesignFile(Path("none.spulix")), "无法打开（文件或文件夹不存在）",
       std::strerror(ENOENT)},
      {ReadDesignFile(huge), "文件太大（约 100 MB），设计文件不能超过 1 MB",
       "too large (104857600 bytes, at most 1048576)"},
      {*WriteDesignFile(locked, SavedDesign("2")), "文件是只读的，没有改动它",
       "read-only (left unchanged)"},
      {ParseDesign("{\"a\":\n" + std::string(20, '[')),
       "嵌套超过 16 层或多于 4096 个值），不是 Spulix 设计文件（第 2 行第 16 "
       "列）",
       "nested deeper than 16 levels or more than 4096 values at line 2, "
       "column 16"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(std::holds_alternative<DesignError>(c.result));
    const DesignError& error = std::get<DesignError>(c.result);
    const std::string chinese =
        ChineseErrorText(error, "x.spulix", FileAction::kOpen);
    const std::string english =
        EnglishErrorText(error, "x.spulix", FileAction::kOpen);
    EXPECT_NE(chinese.find(c.chinese), std::string::npos) << chinese;
    EXPECT_NE(english.find(c.english), std::string::npos) << english;
  }
}

}  // namespace
}  // namespace spulix
