// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc with design files: --design starts from a saved design,
// --save writes the result, and bad files end the run with one line.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/calc_tool.h"

namespace spulix {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

class DesignOption : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("spulix-calc-design-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string Path(const std::string& name) const {
    return (folder_ / name).string();
  }
  static ToolOutput Run(const std::vector<std::string>& args,
                        const std::string& input = "") {
    std::istringstream stream(input);
    return RunCalcTool(args, stream);
  }
  static Json RunJson(std::vector<std::string> args,
                      const std::string& input = "") {
    args.insert(args.begin(), "--json");
    const ToolOutput output = Run(args, input);
    EXPECT_EQ(output.exit_code, 0) << output.err;
    return output.exit_code == 0 ? Json::parse(output.out) : Json();
  }

  fs::path folder_;
};

TEST_F(DesignOption, SavedDesignOpensWithTheSameTextsAndNoCalculation) {
  const std::string file = Path("sample.spulix");
  // The test button once: H is that of a run without insulation.
  const Json saved =
      RunJson({"--script", "-", "--save", file}, "click Command9\n");
  ASSERT_EQ(saved["fields"]["Text19"], "14.8");

  const Json opened = RunJson({"--design", file});
  EXPECT_EQ(opened["fields"], saved["fields"]);
  EXPECT_EQ(opened["labels"]["Label66"], "22");
  EXPECT_EQ(opened["labels"]["Label68"], "61.5");
  EXPECT_TRUE(opened["messages"].empty());

  // Refresh on the opened design now sees the insulation.
  const Json refreshed =
      RunJson({"--design", file, "--script", "-"}, "click Command2\n");
  EXPECT_EQ(refreshed["fields"]["Text19"], "15.8");
}

TEST_F(DesignOption, AssignmentsApplyOnTopOfTheDesignAndCanBeSaved) {
  const std::string first = Path("first.spulix");
  const std::string second = Path("second.spulix");
  RunJson(
      {"--save", first, "P2=250", "U1=220", "U2=36", "h=61.5", "c=22", "a=35"});
  const Json changed = RunJson({"--design", first, "--save", second, "U2=12"});
  EXPECT_EQ(changed["fields"]["Text11"], "12");
  EXPECT_EQ(changed["fields"]["Text1"], "250");
  const Json reopened = RunJson({"--design", second});
  EXPECT_EQ(reopened["fields"], changed["fields"]);
  EXPECT_NE(reopened["fields"]["Text13"],
            RunJson({"--design", first})["fields"]["Text13"]);  // N2 moved
}

TEST_F(DesignOption, OutputWithTheDesignMatchesTheSameRunWithout) {
  const std::string file = Path("empty.spulix");
  const ToolOutput plain = Run({"P2=100"});
  const ToolOutput saved = Run({"P2=100", "--save", file});
  EXPECT_EQ(saved.out, plain.out);
  EXPECT_EQ(saved.err, "");
}

// The winding sheet's choices travel with the design: --design restores
// them, the options override them one by one (--secondary replaces the
// whole list), --save writes what was used.
TEST_F(DesignOption, SheetChoicesAreRestoredOverriddenAndSaved) {
  const std::vector<std::string> sample = {"U1=220", "U2=36", "h=61.5",
                                           "c=22",   "a=35",  "P2=250"};
  const std::string first = Path("choices.spulix");
  std::vector<std::string> args = {"--save", first,         "--grade",
                                   "1",      "--steel",     "50w470",
                                   "--ct",   "--secondary", "6.3,2"};
  args.insert(args.end(), sample.begin(), sample.end());
  RunJson(args);  // no --sheet: the choices are still saved

  const Json restored = RunJson({"--design", first, "--sheet"})["sheet"];
  EXPECT_EQ(restored["enamel_grade"], 1);
  EXPECT_EQ(restored["steel"], "50W470");
  ASSERT_EQ(restored["windings"].size(), 3u);
  EXPECT_TRUE(restored["windings"][1]["tap"].is_number());
  EXPECT_EQ(restored["windings"][2]["voltage_v"], 6.3);

  const std::string second = Path("changed.spulix");
  const Json changed =
      RunJson({"--design", first, "--sheet", "--save", second, "--grade", "2",
               "--secondary", "12,1,ct", "--secondary", "5,1"})["sheet"];
  EXPECT_EQ(changed["enamel_grade"], 2);
  EXPECT_EQ(changed["steel"], "50W470");                   // the file's
  EXPECT_TRUE(changed["windings"][1]["tap"].is_number());  // the file's
  ASSERT_EQ(changed["windings"].size(), 4u);               // replaced
  EXPECT_EQ(changed["windings"][2]["voltage_v"], 12);
  EXPECT_EQ(RunJson({"--design", second, "--sheet"})["sheet"], changed);

  // Clear in a script, like 清空 in the window, drops the extra secondaries
  // and the centre tap; the enamel and steel grades stay.
  const Json cleared = RunJson({"--design", first, "--sheet", "--script", "-"},
                               "click QK\nclick Command9\n")["sheet"];
  EXPECT_EQ(cleared["enamel_grade"], 1);
  EXPECT_EQ(cleared["steel"], "50W470");
  ASSERT_EQ(cleared["windings"].size(), 2u);
  EXPECT_TRUE(cleared["windings"][1]["tap"].is_null());

  // A text that is no number stays in the file for the sheet to name.
  std::ifstream in(second);
  std::string text(std::istreambuf_iterator<char>(in), {});
  text.replace(text.find("\"5\""), 3, "\"5 V\"");
  std::ofstream(second, std::ios::trunc) << text;
  const Json named = RunJson({"--design", second, "--sheet"})["sheet"];
  EXPECT_NE(named["error"].get<std::string>().find("“5 V”"), std::string::npos)
      << named;

  // A design without choices is written as before: no "sheet" at all.
  const std::string plain = Path("plain.spulix");
  RunJson({"--save", plain, "P2=250"});
  std::ifstream plain_in(plain);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(plain_in), {})
                .find("\"sheet\""),
            std::string::npos);
}

struct BadFile {
  const char* name;
  std::string content;  // written to the file; "<dir>": a folder instead
  const char* problem;
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

class BadDesignFiles : public DesignOption,
                       public testing::WithParamInterface<BadFile> {};

TEST_P(BadDesignFiles, EndTheRunWithOneLineNamingFileAndProblem) {
  const std::string file = Path("bad.spulix");
  if (GetParam().content == "<dir>") {
    fs::create_directories(file);
  } else {
    std::ofstream(file, std::ios::binary) << GetParam().content;
  }
  const ToolOutput output = Run({"--design", file, "P2=250"});
  EXPECT_EQ(output.exit_code, 2);
  EXPECT_EQ(output.out, "");
  EXPECT_EQ(output.err.rfind("spulix-calc: design file '" + file + "': ", 0),
            0u)
      << output.err;
  EXPECT_NE(output.err.find(GetParam().problem), std::string::npos)
      << output.err;
  EXPECT_EQ(std::count(output.err.begin(), output.err.end(), '\n'), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDesignFiles,
    testing::Values(
        BadFile{"NotJson", "P2=250\n", "not valid JSON at line 1"},
        BadFile{"Truncated", "{\"format\": \"spulix-design\", \"vers",
                "truncated"},
        BadFile{"Newer", R"({"format": "spulix-design", "version": 7})",
                "version 7 is newer"},
        BadFile{"FieldMissing",
                R"({"format": "spulix-design", "version": 1, "fields": {}})",
                "\"Text1\" is missing"},
        BadFile{"Folder", "<dir>", "not a regular file"}),
    [](const testing::TestParamInfo<BadFile>& info) {
      return info.param.name;
    });

TEST_F(DesignOption, MissingFileAndUnwritableSaveExitTwo) {
  const ToolOutput missing = Run({"--design", Path("none.spulix")});
  EXPECT_EQ(missing.exit_code, 2);
  EXPECT_NE(missing.err.find("none.spulix': cannot open"), std::string::npos)
      << missing.err;

  const ToolOutput unwritable = Run({"P2=1", "--save", Path("no/x.spulix")});
  EXPECT_EQ(unwritable.exit_code, 2);
  EXPECT_EQ(unwritable.out, "");
  EXPECT_NE(unwritable.err.find("cannot save design file"), std::string::npos);
  EXPECT_FALSE(fs::exists(Path("no")));
}

TEST_F(DesignOption, OptionsGivenTwiceOrWithoutFileAreUsageErrors) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--design"},
        std::vector<std::string>{"--save"},
        std::vector<std::string>{"--design", "a", "--design", "b"}}) {
    const ToolOutput output = Run(args);
    EXPECT_EQ(output.exit_code, 2);
    EXPECT_NE(output.err.find(args[0]), std::string::npos) << output.err;
  }
}

// The full-load choice: every secondary reaches its voltage at full load,
// the design file keeps the choice, and the fields the calculation's.
TEST_F(DesignOption, FullLoadTurnsReachTheSheetAndTheFile) {
  const std::vector<std::string> small = {"U1=220", "U2=12", "h=24",   "c=8",
                                          "a=16",   "P2=10", "--sheet"};
  const Json counted = RunJson(small);
  std::vector<std::string> full_load = small;
  full_load.push_back("--full-load-turns");
  const Json found = RunJson(full_load);
  ASSERT_EQ(found["sheet"]["windings"].size(), 2u);
  const Json& secondary = found["sheet"]["windings"][1];
  const Json& before = counted["sheet"]["windings"][1];
  EXPECT_GE(secondary["full_load_v"].get<double>(),
            secondary["voltage_v"].get<double>());
  EXPECT_LT(before["full_load_v"].get<double>(),
            before["voltage_v"].get<double>());
  EXPECT_GT(secondary["turns"].get<int>(), before["turns"].get<int>());
  EXPECT_EQ(found["fields"], counted["fields"]);

  full_load.insert(full_load.end(), {"--save", Path("small.spulix")});
  ASSERT_EQ(Run(full_load).exit_code, 0);
  std::ifstream file(Path("small.spulix"));
  const Json saved = Json::parse(file);
  EXPECT_EQ(saved["sheet"]["full_load_turns"], true);
  const Json again = RunJson({"--design", Path("small.spulix"), "--sheet"});
  EXPECT_EQ(again["sheet"]["windings"][1]["turns"], secondary["turns"]);
}

}  // namespace
}  // namespace spulix
