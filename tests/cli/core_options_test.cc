// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc's core catalogue and wire table options.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/calc_tool.h"
#include "tests/cli/tool_runner.h"

namespace spulix {
namespace {

using Json = nlohmann::json;

using testing_support::Invoke;

Json RunJson(std::vector<std::string> args, const std::string& input = "") {
  ToolOutput output;
  Json json = testing_support::InvokeJson(std::move(args), input, &output);
  return json;
}

// The sample design without its core.
const std::vector<std::string> kDesign = {
    "U1=220", "U2=36", "r1=0.17", "f1=0.05", "r2=0.05", "f2=0.12", "P2=250"};

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// Every core's H is what the tool itself computes with core=NAME, and the
// smallest fit is a fitting core.
TEST(CoresOption, EachCoreMatchesARunWithThatCore) {
  const Json result = RunJson(With(kDesign, {"--cores"}));
  ASSERT_TRUE(result["cores"].is_array());
  ASSERT_GE(result["cores"].size(), 9u);
  EXPECT_EQ(result["cores"][0]["name"], "EI-48");
  bool smallest_fits = false;
  for (const Json& core : result["cores"]) {
    SCOPED_TRACE(core["name"].get<std::string>());
    const Json alone =
        RunJson(With(kDesign, {"core=" + core["name"].get<std::string>()}));
    EXPECT_EQ(core["H"], alone["fields"]["Text19"]);
    EXPECT_EQ(core["a"], alone["fields"]["Text7"]);
    EXPECT_EQ(core["c"], alone["fields"]["Text6"]);
    EXPECT_EQ(core["h"], alone["fields"]["Text5"]);
    const double c = std::stod(core["c"].get<std::string>());
    const double h = std::stod(core["H"].get<std::string>());
    EXPECT_EQ(core["fits"], h < c);
    if (core["name"] == result["smallest_fit"]) smallest_fits = core["fits"];
  }
  EXPECT_TRUE(smallest_fits);
  // The usual object is unchanged by the addition.
  Json plain = RunJson(kDesign);
  Json trimmed = result;
  trimmed.erase("cores");
  trimmed.erase("smallest_fit");
  trimmed.erase("smallest_buildable");
  EXPECT_EQ(trimmed, plain);
}

TEST(CoresOption, WithoutADesignNoCoreFits) {
  const Json result = RunJson({"--cores"});
  EXPECT_TRUE(result["smallest_fit"].is_null());
  for (const Json& core : result["cores"]) {
    EXPECT_TRUE(core["H"].is_null());
    EXPECT_EQ(core["fits"], false);
  }
  const ToolOutput text = Invoke({"--cores"});
  EXPECT_NE(text.out.find("无法判断（缺少输出功率 P2"), std::string::npos);
}

TEST(CoresOption, TextAppendsTheJudgementToTheUsualTable) {
  const ToolOutput plain = Invoke(kDesign);
  const ToolOutput cores = Invoke(With(kDesign, {"--cores"}));
  ASSERT_EQ(cores.out.rfind(plain.out, 0), 0u);
  const std::string added = cores.out.substr(plain.out.size());
  const std::string smallest =
      RunJson(With(kDesign, {"--cores"}))["smallest_fit"];
  EXPECT_NE(added.find(smallest), std::string::npos);
  EXPECT_NE(added.find("*最小可用"), std::string::npos);
  EXPECT_NE(added.find("最小可用铁心：" + smallest + "\n"), std::string::npos);
}

TEST(CoreArgument, FillsTheCoreFieldsInArgumentOrder) {
  const Json core_last = RunJson({"h=50", "core=EI-96"});
  EXPECT_EQ(core_last["fields"]["Text5"], "48");
  EXPECT_EQ(core_last["fields"]["Text6"], "16");
  EXPECT_EQ(core_last["fields"]["Text7"], "32");
  EXPECT_EQ(core_last["labels"]["Label67"], "32");
  const Json core_first = RunJson({"core=ei-96", "h=50"});
  EXPECT_EQ(core_first["fields"]["Text5"], "50");
  EXPECT_EQ(core_first["labels"]["Label68"], "50");
  EXPECT_EQ(core_first["fields"]["Text7"], "32");

  const ToolOutput unknown = Invoke({"core=EI-1000"});
  EXPECT_EQ(unknown.exit_code, 2);
  EXPECT_NE(unknown.err.find("'EI-1000'"), std::string::npos);
  EXPECT_EQ(Invoke({"--script", "-", "core=EI-96"}, "").exit_code, 2);
}

TEST(CoreFileOption, AddsGoodRowsAndReportsBadOnesByLine) {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "spulix_core_file_test.csv";
  std::ofstream(file) << "name,tongue_a_mm,window_width_c_mm,"
                         "window_height_h_mm\nBig,60,40,120\nBad,x,1,1\n";
  const ToolOutput output = Invoke(
      With(kDesign, {"--json", "--cores", "--core-file", file.string()}));
  EXPECT_EQ(output.exit_code, 0);
  EXPECT_NE(output.err.find("第 3 行：a“x”不是数字"), std::string::npos)
      << output.err;
  const Json result = Json::parse(output.out);
  EXPECT_EQ(result["cores"].back()["name"], "Big");
  EXPECT_EQ(result["cores"].back()["fits"], true);
  std::filesystem::remove(file);

  EXPECT_EQ(Invoke({"--core-file", "/nonexistent/cores.csv"}).exit_code, 2);
  EXPECT_EQ(Invoke({"--core-file"}).exit_code, 2);
}

TEST(WiresOption, NextStandardSizeForBothDiameters) {
  // d1 and d2 overwritten after the sample run, as a user would.
  const Json result = RunJson({"--wires", "--script", "-"},
                              "click Command9\nset d1 0.55\nset d2 abc\n");
  const Json& d1 = result["wires"]["d1"];
  EXPECT_EQ(d1["d"], "0.55");
  EXPECT_EQ(d1["nominal_mm"], 0.56);
  EXPECT_TRUE(d1["grade1_max_mm"].is_number());
  EXPECT_GT(d1["grade2_max_mm"].get<double>(),
            d1["grade1_max_mm"].get<double>());
  EXPECT_TRUE(result["wires"]["d2"].is_null());

  // The sample's own diameters land on in-between sizes whose enamelled
  // diameters are unknown: the table shows the next size's as a bound.
  const Json sample = RunJson({"--wires", "--script", "-"}, "click Command9\n");
  EXPECT_EQ(sample["wires"]["d1"]["d"], "0.84");
  EXPECT_EQ(sample["wires"]["d1"]["nominal_mm"], 0.85);
  EXPECT_TRUE(sample["wires"]["d1"]["grade1_max_mm"].is_null());
  EXPECT_EQ(sample["wires"]["d2"]["nominal_mm"], 1.9);

  const Json beyond =
      RunJson({"--wires", "--script", "-"}, "set d1 4\nset d2 0.00\n");
  EXPECT_TRUE(beyond["wires"]["d1"]["nominal_mm"].is_null());
  EXPECT_EQ(beyond["wires"]["d2"]["d"], "0.00");
  EXPECT_TRUE(beyond["wires"]["d2"]["nominal_mm"].is_null());

  const ToolOutput text =
      Invoke({"--wires", "--script", "-"}, "click Command9\n");
  EXPECT_NE(text.out.find("0.850"), std::string::npos);
  EXPECT_NE(text.out.find("≤"), std::string::npos);
}

}  // namespace
}  // namespace spulix
