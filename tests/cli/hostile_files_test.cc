// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc against the shared table of hostile files: --design and
// --save as the design file code does, --core-file and --script from
// regular files and pipes under the size limit.
#include "tests/document/hostile_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/cli/tool_runner.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::HostileFile;
using testing_support::Invoke;
using testing_support::MadeFile;
using testing_support::Outcome;
using testing_support::ScratchFolder;

class HostileFiles : public testing::TestWithParam<HostileFile> {
 protected:
  // A fresh copy of the row's file in a folder of its own.
  MadeFile Make(const char* folder) {
    std::filesystem::create_directories(folder_.path() / folder);
    return GetParam().make(folder_.path() / folder);
  }
  // The tool ends with status 2 and one line naming the file where the
  // table expects a refusal.
  static void ExpectRun(const ToolOutput& output, Outcome expected,
                        const std::string& path) {
    if (expected == Outcome::kAccepted) {
      EXPECT_EQ(output.exit_code, 0) << output.err;
      return;
    }
    EXPECT_EQ(output.exit_code, 2);
    EXPECT_EQ(output.out, "");
    EXPECT_NE(output.err.find("'" + path + "'"), std::string::npos)
        << output.err;
  }

  ScratchFolder folder_;
};

TEST_P(HostileFiles, DesignAndCoreFileOptions) {
  const HostileFile& row = GetParam();
  if (row.write) {
    const std::string plain = (folder_.path() / "plain.spulix").string();
    ASSERT_EQ(Invoke({"P2=250", "--save", plain}).exit_code, 0);
    std::ifstream in(plain, std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    const MadeFile made = Make("save");
    ExpectRun(Invoke({"P2=250", "--save", made.path}), row.design, made.path);
    EXPECT_EQ(
        WriteEffectProblem(made, folder_.path() / "save", bytes, row.design),
        "");
    return;
  }
  const MadeFile design = Make("design");
  ExpectRun(Invoke({"--design", design.path}), row.design, design.path);
  const MadeFile cores = Make("cores");
  ExpectRun(Invoke({"--core-file", cores.path}), row.piped, cores.path);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileFiles,
                         testing::ValuesIn(testing_support::HostileFiles()),
                         testing_support::ReadableName());

// Scripts are read as core files are: a pipe is read, up to the limit.
class HostileScripts : public HostileFiles {};

TEST_P(HostileScripts, AreReadFromPipesUnderTheLimit) {
  const MadeFile script = Make("script");
  ExpectRun(Invoke({"--script", script.path}), GetParam().piped, script.path);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileScripts,
                         testing::ValuesIn(testing_support::HostileFilesNamed(
                             {"DevZero", "Sparse100MB", "NamedPipe",
                              "EndlessPipe"})),
                         testing_support::ReadableName());

TEST(ScriptFromStandardInput, StopsAtTheLimit) {
  const ToolOutput endless =
      Invoke({"--script", "-"}, std::string(kMaxTextFileBytes + 1, '#'));
  EXPECT_EQ(endless.exit_code, 2);
  EXPECT_NE(endless.err.find("cannot read script '-': larger than 1048576"),
            std::string::npos)
      << endless.err;
}

}  // namespace
}  // namespace spulix
