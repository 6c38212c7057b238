// SPDX-License-Identifier: GPL-3.0-or-later
// Every hostile file of the shared table against the design file code, the
// bounded reader and the atomic writer: refused without harm, or read, or
// written through to its target, as the table says.
#include "tests/document/hostile_files.h"

#include <gtest/gtest.h>

#include "document/design_file.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::HostileFile;
using testing_support::MadeFile;
using testing_support::OutcomeOf;
using testing_support::ScratchFolder;
using testing_support::WriteEffectProblem;

class HostileFiles : public testing::TestWithParam<HostileFile> {
 protected:
  ScratchFolder folder_;
};

TEST_P(HostileFiles, DesignFilesAreRefusedOrWrittenThrough) {
  const HostileFile& row = GetParam();
  const MadeFile made = row.make(folder_.path());
  if (!row.write) {
    EXPECT_EQ(OutcomeOf(ReadDesignFile(made.path)), row.design);
    return;
  }
  Design design;
  design.texts[Field::kOutputPower] = "250";
  EXPECT_EQ(OutcomeOf(WriteDesignFile(made.path, design)), row.design);
  EXPECT_EQ(WriteEffectProblem(made, folder_.path(), SerializeDesign(design),
                               row.design),
            "");
}

TEST_P(HostileFiles, BoundedReaderAndAtomicWriterAgree) {
  const HostileFile& row = GetParam();
  if (row.write) {
    const MadeFile made = row.make(folder_.path());
    EXPECT_EQ(OutcomeOf(WriteFileAtomically(made.path, "a,1,2,3\n")),
              row.regular);
    EXPECT_EQ(
        WriteEffectProblem(made, folder_.path(), "a,1,2,3\n", row.regular), "");
    return;
  }
  // A pipe is read once: each reader gets a file of its own.
  std::filesystem::create_directories(folder_.path() / "regular");
  std::filesystem::create_directories(folder_.path() / "piped");
  const MadeFile regular = row.make(folder_.path() / "regular");
  EXPECT_EQ(OutcomeOf(ReadBoundedFile(regular.path, kMaxTextFileBytes, false)),
            row.regular);
  const MadeFile piped = row.make(folder_.path() / "piped");
  EXPECT_EQ(OutcomeOf(ReadBoundedFile(piped.path, kMaxTextFileBytes, true)),
            row.piped);
}

INSTANTIATE_TEST_SUITE_P(Table, HostileFiles,
                         testing::ValuesIn(testing_support::HostileFiles()),
                         testing_support::ReadableName());

}  // namespace
}  // namespace spulix
