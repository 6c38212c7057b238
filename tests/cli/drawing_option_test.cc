// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc --sheet --drawing FILE writes the coil's SVG, and the sheet's
// JSON carries the load curve.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>
#include <variant>
#include <vector>

#include "design/memory_store.h"
#include "design/sheet/coil_section.h"
#include "design/sheet/winding_sheet.h"
#include "present/coil_svg.h"
#include "present/english_text.h"
#include "tests/cli/tool_runner.h"
#include "tests/design/store_helpers.h"

namespace spulix {
namespace {

namespace fs = std::filesystem;
using testing_support::Invoke;

const std::vector<std::string> kSample = {
    "U1=220",  "U2=36",   "h=61.5",  "c=22",    "a=35",
    "r1=0.17", "f1=0.05", "r2=0.05", "f2=0.12", "P2=250"};

std::vector<std::string> With(std::vector<std::string> options) {
  options.insert(options.end(), kSample.begin(), kSample.end());
  return options;
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The sheet of kSample, as the tool computes it, with extra secondaries.
WindingSheet SampleSheet(std::vector<Secondary> extras = {}) {
  MemoryStore store;
  for (const std::string& assignment : kSample) {
    const std::size_t equals = assignment.find('=');
    store.SetText(testing_support::Named(assignment.substr(0, equals)),
                  assignment.substr(equals + 1));
  }
  return std::get<WindingSheet>(ComputeWindingSheet(
      store.texts(), testing_support::Choices(std::move(extras))));
}

class DrawingOption : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("spulix-calc-drawing-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string Path(const std::string& name) const {
    return (folder_ / name).string();
  }
  fs::path folder_;
};

TEST_F(DrawingOption, WritesTheSheetsDrawingAndPrintsTheSameAsWithout) {
  const std::string file = Path("coil.svg");
  const ToolOutput with = Invoke(With({"--sheet", "--drawing", file}));
  const ToolOutput without = Invoke(With({"--sheet"}));
  ASSERT_EQ(with.exit_code, 0) << with.err;
  EXPECT_EQ(with.out, without.out);
  EXPECT_EQ(with.err, "");
  EXPECT_EQ(Contents(file), CoilSvg(CoilSectionOf(SampleSheet())));
}

TEST_F(DrawingOption, FollowsTheChoicesAndTheLanguage) {
  const std::string file = Path("coil.svg");
  const ToolOutput run = Invoke(With(
      {"--sheet", "--lang", "en", "--secondary", "6.3,2", "--drawing", file}));
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(Contents(file),
            CoilSvg(CoilSectionOf(SampleSheet({{"6.3", "2", false}})),
                    Translate(English)));
}

TEST_F(DrawingOption, ReplacesAnExistingFileButNotAReadOnlyOne) {
  const std::string file = Path("coil.svg");
  std::ofstream(file) << "old";
  ASSERT_EQ(Invoke(With({"--sheet", "--drawing", file})).exit_code, 0);
  EXPECT_TRUE(Contents(file).starts_with("<?xml"));
  if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
  const std::string locked = Path("locked.svg");
  std::ofstream(locked) << "old";
  ::chmod(locked.c_str(), 0444);
  const ToolOutput refused = Invoke(With({"--sheet", "--drawing", locked}));
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_EQ(Contents(locked), "old");
}

TEST_F(DrawingOption, NoSheetOrNoFolderWritesNothingAndExitsTwo) {
  const std::string file = Path("coil.svg");
  const ToolOutput no_core =
      Invoke({"--sheet", "--drawing", file, "U1=220", "U2=24", "P2=150"});
  EXPECT_EQ(no_core.exit_code, 2);
  EXPECT_NE(no_core.err.find("no winding sheet"), std::string::npos)
      << no_core.err;
  EXPECT_FALSE(fs::exists(file));
  const ToolOutput no_folder =
      Invoke(With({"--sheet", "--drawing", Path("none/coil.svg")}));
  EXPECT_EQ(no_folder.exit_code, 2);
  EXPECT_NE(no_folder.err.find("cannot write drawing"), std::string::npos)
      << no_folder.err;
  EXPECT_TRUE(std::ranges::none_of(fs::directory_iterator(folder_),
                                   [](const auto&) { return true; }))
      << "a temporary file stayed behind";
}

TEST(DrawingOptionUsage, NeedsTheSheetAFileAndOnce) {
  const std::vector<std::vector<std::string>> bad = {
      {"--drawing", "x.svg", "P2=1"},
      {"--sheet", "--drawing"},
      {"--sheet", "--drawing", "a.svg", "--drawing", "b.svg"},
  };
  for (const auto& args : bad) {
    const ToolOutput run = Invoke(args);
    EXPECT_EQ(run.exit_code, 2) << args.size();
    EXPECT_NE(run.err.find("--drawing"), std::string::npos) << run.err;
  }
}

// The curve in the JSON is the sheet's: at full load its own figures.
TEST(LoadCurveJson, StepsAndFullLoadAreTheSheets) {
  ToolOutput output;
  const nlohmann::json json = testing_support::InvokeJson(
      With({"--sheet", "--secondary", "12,1,ct"}), "", &output);
  const nlohmann::json& sheet = json["sheet"];
  const nlohmann::json& curve = sheet["load_curve"];
  ASSERT_EQ(curve.size(), 26u);
  for (std::size_t k = 0; k < curve.size(); ++k) {
    EXPECT_NEAR(curve[k]["load"].get<double>(), 0.05 * k, 1e-12);
    EXPECT_EQ(curve[k]["secondary_v"].size(), sheet["windings"].size() - 1);
  }
  const nlohmann::json& full = curve[20];
  EXPECT_EQ(full["load"].get<double>(), 1.0);
  EXPECT_EQ(full["efficiency"], sheet["efficiency"]);
  EXPECT_EQ(full["rise_k"], sheet["temperature_rise_k"]);
  for (std::size_t k = 1; k < sheet["windings"].size(); ++k) {
    EXPECT_EQ(full["secondary_v"][k - 1], sheet["windings"][k]["full_load_v"]);
    EXPECT_EQ(curve[0]["secondary_v"][k - 1],
              sheet["windings"][k]["no_load_v"]);
  }
}

}  // namespace
}  // namespace spulix
