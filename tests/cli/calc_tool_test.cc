// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calc_tool.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "tests/cli/tool_runner.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::ReadableName;

using Json = nlohmann::json;

using testing_support::Invoke;

Json RunJson(std::vector<std::string> args, const std::string& input = "") {
  ToolOutput output;
  Json json = testing_support::InvokeJson(std::move(args), input, &output);
  EXPECT_EQ(output.err, "");
  return json;
}

Json Script(const std::string& script) {
  return RunJson({"--script", "-"}, script);
}

const std::vector<std::string> kSample = {
    "U1=220",  "U2=36",   "h=61.5",  "c=22",    "a=35",
    "r1=0.17", "f1=0.05", "r2=0.05", "f2=0.12", "P2=250"};

TEST(ArgumentMode, SampleDesignWithInsulation) {
  const Json result = RunJson(kSample);
  EXPECT_TRUE(result["messages"].empty());
  EXPECT_EQ(result["fields"]["Text19"], "15.8");
  EXPECT_EQ(result["fields"]["Text2"], "278");
  EXPECT_EQ(result["labels"]["Label68"], "61.5");
  EXPECT_EQ(result["labels"]["Label33"], "");
}

TEST(ArgumentMode, OutputPowerIsSetLastWhereverItStands) {
  std::vector<std::string> args = kSample;
  std::rotate(args.rbegin(), args.rbegin() + 1, args.rend());  // P2 first
  EXPECT_EQ(args.front(), "P2=250");
  EXPECT_EQ(RunJson(args), RunJson(kSample));
}

TEST(ArgumentMode, LastOutputPowerWins) {
  std::vector<std::string> args = kSample;
  args.insert(args.begin(), "P2=abc");
  EXPECT_EQ(RunJson(args), RunJson(kSample));
}

TEST(ArgumentMode, WithoutOutputPowerRunsRefreshOnce) {
  const Json result = RunJson({"U1=220"});
  EXPECT_EQ(result["messages"], Json::array({"请输入输出电压！"}));
  EXPECT_EQ(result["fields"]["Text12"], "2");
  EXPECT_EQ(RunJson({"U1=220", "P2="}), result);
}

TEST(ArgumentMode, ControlNamesAndVerbatimTexts) {
  const Json result = RunJson({"Text10=220", "Text11=36", "Text1= 1,200 "});
  EXPECT_EQ(result["fields"]["Text1"], " 1,200 ");
  EXPECT_EQ(result["fields"]["Text2"], "1");
  const Json equals = RunJson({"U1=a=b"});
  EXPECT_EQ(equals["fields"]["Text10"], "a=b");
}

TEST(ArgumentMode, FieldWithoutReactionStillSet) {
  const Json result = RunJson({"Text19=21.9", "c=22"});
  EXPECT_EQ(result["labels"]["Label66"], "22");
}

TEST(ScriptMode, TypingRunsACalculationPerKeystroke) {
  const Json result = Script("type P2 100\n");
  EXPECT_EQ(result["messages"].size(), 6u);
  EXPECT_EQ(result["messages"][0], "请输入输入电压！");
  EXPECT_EQ(result["messages"][5], "请输入输出电压！");
}

TEST(ScriptMode, CommentsBlankLinesAndCrLf) {
  const Json result = Script(
      "# the sample design\n\n   # indented comment\r\nclick Command9\r\n"
      "click Command5\n");
  EXPECT_EQ(result["messages"],
            Json::array({"OK！这只窗口能容得下所有绕组，铁心能用"}));
}

TEST(ScriptMode, SetWithoutTextEmptiesTheField) {
  const Json result = Script("click Command9\nset P2\n");
  EXPECT_EQ(result["fields"]["Text1"], "");
  EXPECT_EQ(result["fields"]["Text2"], "0");
}

TEST(ScriptMode, TextKeepsItsBlanks) {
  const Json result = Script("set U1  220 \n");
  EXPECT_EQ(result["fields"]["Text10"], " 220 ");
}

TEST(ScriptMode, TypeAndEraseWorkOnCodePoints) {
  const Json result = Script("type h 6１.5\nerase h 2\n");
  EXPECT_EQ(result["fields"]["Text5"], "6１");
  EXPECT_EQ(result["labels"]["Label68"], "6１");
  const Json all = Script("type h 61.5\nerase h 99\n");
  EXPECT_EQ(all["fields"]["Text5"], "");
}

TEST(ScriptMode, DoubleClickRecalculatesTheBuildUp) {
  const Json result = Script(
      "click Command9\nclick SX\nset d1 0.95\nset Text17 1.9\ndblclick d1\n");
  EXPECT_EQ(result["fields"]["Text25"], "56");
  EXPECT_EQ(result["fields"]["Text19"], "20.3");
  const Json other = Script("click Command9\ndblclick U1\n");
  EXPECT_EQ(other["fields"]["Text21"], "2.95");
}

TEST(ScriptMode, ClearAndRefreshByEitherName) {
  const Json cleared = Script("click Command9\nclick QK\n");
  for (const auto& [name, text] : cleared["fields"].items()) {
    EXPECT_EQ(text, "") << name;
  }
  EXPECT_EQ(cleared["labels"]["Label33"], "数据已清空！");
  EXPECT_EQ(Script("click Command9\nclick Command3\n"), cleared);
  EXPECT_EQ(Script("click Command2\n"), Script("click SX\n"));
}

TEST(Output, JsonListsAllFieldsInControlOrder) {
  const ToolOutput output = Invoke({"--json", "P2=250"});
  const auto parsed = nlohmann::ordered_json::parse(output.out);
  std::vector<std::string> keys;
  for (const auto& item : parsed.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"messages", "fields", "labels"}));
  int expected = 1;
  for (const auto& item : parsed["fields"].items()) {
    EXPECT_EQ(item.key(), "Text" + std::to_string(expected++));
  }
  EXPECT_EQ(expected, 30);
  EXPECT_EQ(output.out.back(), '\n');
}

TEST(Output, TableShowsMessagesThenAlignedRows) {
  const ToolOutput output = Invoke({"P2=100"});
  ASSERT_EQ(output.exit_code, 0);
  EXPECT_EQ(output.out.find("消息: 请输入输入电压！\n消息: 请输入输出电压！\n"),
            0u);
  EXPECT_NE(output.out.find("Text2   P1    变压器输入功率"), std::string::npos)
      << output.out;
  EXPECT_NE(output.out.find("118"), std::string::npos);
}

struct UsageCase {
  std::vector<std::string> args;
  std::string input;
  std::string mentions;
};

void PrintTo(const UsageCase& c, std::ostream* os) {
  for (const std::string& arg : c.args) {
    testing_support::PrintText(arg, os);
    *os << ' ';
  }
  if (!c.input.empty()) testing_support::PrintText(c.input, os);
}

class UsageErrors : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrors, ExitTwoWithOneClearLineAndNoOutput) {
  const ToolOutput output = Invoke(GetParam().args, GetParam().input);
  EXPECT_EQ(output.exit_code, 2);
  EXPECT_EQ(output.out, "");
  EXPECT_NE(output.err.find(GetParam().mentions), std::string::npos)
      << output.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsageErrors,
    testing::Values(
        UsageCase{{"--verbose"}, "", "--verbose"},
        UsageCase{{"X=1"}, "", "'X'"}, UsageCase{{"d1=1"}, "", "'d1'"},
        UsageCase{{"p2=1"}, "", "'p2'"}, UsageCase{{"P2"}, "", "NAME=TEXT"},
        UsageCase{{"Text30=1"}, "", "Text30"},
        UsageCase{{"--script", "-", "P2=1"}, "", "--script"},
        UsageCase{{"--script"}, "", "FILE"},
        UsageCase{{"--script", "/nonexistent/spulix"}, "", "cannot read"},
        UsageCase{{"U1=\xff"}, "", "UTF-8"},
        UsageCase{{"--script", "-"}, "set P2 1\nfly P2\n", "line 2"},
        UsageCase{{"--script", "-"}, "set Q 1\n", "'Q'"},
        UsageCase{{"--script", "-"}, "erase P2 x\n", "bad count"},
        UsageCase{{"--script", "-"}, "erase P2 -1\n", "bad count"},
        UsageCase{{"--script", "-"}, "erase P2\n", "missing count"},
        UsageCase{{"--script", "-"}, "click Command1\n", "Command1"},
        UsageCase{{"--script", "-"}, "click Command5 now\n", "unexpected"},
        UsageCase{{"--script", "-"}, "\n\nset P2 \xc3\n", "line 3"},
        UsageCase{{"--script", "-"}, "set\n", "missing field"}),
    ReadableName());

TEST(Help, PrintsUsage) {
  const ToolOutput output = Invoke({"--help"});
  EXPECT_EQ(output.exit_code, 0);
  EXPECT_NE(output.out.find("spulix-calc [--json] --script FILE"),
            std::string::npos);
}

TEST(Help, VersionNamesTheReleaseAndLicenceAndRunsNothing) {
  const ToolOutput output = Invoke({"--version", "P2=250"});
  EXPECT_EQ(output.exit_code, 0);
  EXPECT_EQ(output.err, "");
  EXPECT_EQ(output.out.substr(0, output.out.find('\n')),
            "spulix-calc " SPULIX_PROJECT_VERSION);
  EXPECT_NE(output.out.find("GPL version 3 or later"), std::string::npos);
  EXPECT_EQ(output.out.find("Text"), std::string::npos) << output.out;
}

// A fresh folder of its own for one test, removed with its contents after.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "spulix-calc-test.XXXXXX")
            .string();
    if (mkdtemp(pattern.data()) == nullptr) {
      ADD_FAILURE() << "mkdtemp failed for " << pattern;
    }
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string File(const std::string& name) const {
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_;
};

// The real program: exit codes and the split between stdout and stderr.
TEST(Program, ExitCodesAndStreams) {
  const ScratchFolder scratch;
  const std::string out = scratch.File("out.txt");
  const std::string err = scratch.File("err.txt");
  const std::string script = scratch.File("script.txt");
  std::ofstream(script) << "click Command9\n";
  auto run = [&](const std::string& args) {
    const std::string command =
        std::string(SPULIX_CALC_PATH) + " " + args + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    return WEXITSTATUS(status);
  };
  auto slurp = [](const std::string& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
  };
  EXPECT_EQ(run("--json --script " + script), 0);
  EXPECT_EQ(Json::parse(slurp(out))["fields"]["Text19"], "14.8");
  EXPECT_EQ(run("--bogus"), 2);
  EXPECT_EQ(slurp(out), "");
  EXPECT_NE(slurp(err).find("--bogus"), std::string::npos);
}

}  // namespace
}  // namespace spulix
