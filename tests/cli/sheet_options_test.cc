// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc's winding sheet options.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/calc_tool.h"
#include "tests/cli/tool_runner.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using Json = nlohmann::json;
using testing_support::Invoke;

const std::vector<std::string> kSample = {
    "U1=220",  "U2=36",   "h=61.5",  "c=22",    "a=35",
    "r1=0.17", "f1=0.05", "r2=0.05", "f2=0.12", "P2=250"};
const std::vector<std::string> kNoCore = {"U1=220", "U2=24", "P2=150"};

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

Json RunJson(const std::vector<std::string>& args) {
  ToolOutput output;
  return testing_support::InvokeJson(args, "", &output);
}

TEST(SheetOption, JsonHasEveryWindingWithNullsWhereThereIsNone) {
  const ToolOutput output = Invoke(With({"--json", "--sheet"}, kSample));
  ASSERT_EQ(output.exit_code, 0) << output.err;
  // Whole numbers are integers: no "220.0", no "2.0".
  EXPECT_NE(output.out.find("\"voltage_v\":220,"), std::string::npos);
  EXPECT_NE(output.out.find("\"fuse_a\":2,"), std::string::npos);
  const Json sheet = Json::parse(output.out)["sheet"];
  EXPECT_EQ(sheet["enamel_grade"], 2);
  EXPECT_EQ(sheet["steel"], "50W800");
  ASSERT_EQ(sheet["windings"].size(), 2u);
  const Json& primary = sheet["windings"][0];
  EXPECT_EQ(primary["name"], "初级");
  EXPECT_TRUE(primary["tap"].is_null());
  EXPECT_TRUE(primary["no_load_v"].is_null());
  EXPECT_TRUE(primary["full_load_v"].is_null());
  EXPECT_EQ(primary["d"], "0.84");
  EXPECT_EQ(primary["overall_is_bound"], true);
  const Json& secondary = sheet["windings"][1];
  EXPECT_EQ(secondary["name"], "次级1");
  EXPECT_TRUE(secondary["full_load_v"].is_number());
  EXPECT_LT(secondary["full_load_v"], secondary["no_load_v"]);
  EXPECT_EQ(sheet["fits"], false);
  EXPECT_EQ(sheet["recommended_core"], "EI-133");
  ASSERT_EQ(sheet["wires_to_buy"].size(), 2u);
  EXPECT_LT(sheet["wires_to_buy"][0]["wire_mm"],
            sheet["wires_to_buy"][1]["wire_mm"]);
  // The usual object stays as it was.
  Json trimmed = Json::parse(output.out);
  trimmed.erase("sheet");
  EXPECT_EQ(trimmed, RunJson(kSample));
}

TEST(SheetOption, CentreTapsTheMainSecondaryInTheMiddle) {
  const Json plain = RunJson(With({"--sheet"}, kSample))["sheet"]["windings"];
  const Json tapped =
      RunJson(With({"--sheet", "--ct"}, kSample))["sheet"]["windings"];
  EXPECT_TRUE(plain[1]["tap"].is_null());
  ASSERT_TRUE(tapped[1]["tap"].is_number());
  EXPECT_EQ(2 * tapped[1]["tap"].get<int>(), tapped[1]["turns"].get<int>());
  // A third lead makes the wire longer.
  EXPECT_GT(tapped[1]["length_m"], plain[1]["length_m"]);
}

TEST(SheetOption, WithoutACoreGivesTheReasonAndTheRecommendation) {
  const Json sheet = RunJson(With({"--sheet"}, kNoCore))["sheet"];
  EXPECT_EQ(sheet.size(), 2u);
  EXPECT_NE(sheet["error"].get<std::string>().find("铁心"), std::string::npos);
  EXPECT_EQ(sheet["recommended_core"], "EI-114");

  const ToolOutput text = Invoke(With({"--sheet"}, kNoCore));
  EXPECT_NE(text.out.find("绕制单：无法计算（"), std::string::npos);
  EXPECT_NE(text.out.find("推荐铁心：EI-114\n"), std::string::npos);
}

TEST(SheetOption, TextFollowsTheUsualOutput) {
  const ToolOutput plain = Invoke(kSample);
  const ToolOutput sheet = Invoke(With({"--sheet"}, kSample));
  ASSERT_EQ(sheet.out.rfind(plain.out, 0), 0u);
  const std::string added = sheet.out.substr(plain.out.size());
  for (const char* part :
       {"初级", "次级1", "≤0.989", "绕不下", "T2A（慢熔，2 安）",
        "自然冷却的估算", "推荐铁心：EI-133"}) {
    EXPECT_NE(added.find(part), std::string::npos) << part;
  }
}

// Each choice on the command line reaches the sheet.
struct Choice {
  const char* what;
  std::vector<std::string> options;
  const char* pointer;  // a JSON pointer into "sheet"
  Json expected;
};

void PrintTo(const Choice& choice, std::ostream* os) { *os << choice.what; }

class SheetChoice : public testing::TestWithParam<Choice> {};

TEST_P(SheetChoice, ReachesTheSheet) {
  const Json sheet =
      RunJson(With(With({"--sheet"}, GetParam().options), kSample))["sheet"];
  EXPECT_EQ(sheet[Json::json_pointer(GetParam().pointer)], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Options, SheetChoice,
    testing::Values(Choice{"grade", {"--grade", "1"}, "/enamel_grade", 1},
                    Choice{"grade fits",
                           {"--grade", "1", "--steel", "50W470"},
                           "/fits",
                           true},
                    Choice{"steel", {"--steel", "50w470"}, "/steel", "50W470"},
                    Choice{"extras",
                           {"--secondary", "6.3,2", "--secondary", "12,1,ct"},
                           "/windings/3/tap",
                           13},
                    Choice{"extra name",
                           {"--secondary", "6.3,2"},
                           "/windings/2/name",
                           "次级2"}),
    testing_support::ReadableName());

struct BadValue {
  const char* what;
  std::vector<std::string> args;
};

void PrintTo(const BadValue& bad, std::ostream* os) { *os << bad.what; }

class SheetUsage : public testing::TestWithParam<BadValue> {};

TEST_P(SheetUsage, IsAUsageError) {
  const ToolOutput output = Invoke(GetParam().args);
  EXPECT_EQ(output.exit_code, 2);
  EXPECT_TRUE(output.out.empty());
  EXPECT_NE(output.err.find("spulix-calc: "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SheetUsage,
    testing::Values(BadValue{"grade 3", {"--sheet", "--grade", "3"}},
                    BadValue{"grade missing", {"--sheet", "--grade"}},
                    BadValue{"unknown steel", {"--sheet", "--steel", "50W999"}},
                    BadValue{"one number", {"--sheet", "--secondary", "6.3"}},
                    BadValue{"no number", {"--sheet", "--secondary", "6.3,x"}},
                    BadValue{"zero", {"--sheet", "--secondary", "0,1"}},
                    BadValue{"stack zero", {"--sheet", "--stack", "0"}},
                    BadValue{"stack no number", {"--sheet", "--stack", "4o"}},
                    BadValue{"stack missing", {"--sheet", "--stack"}},
                    BadValue{"rate negative", {"--rate", "-40"}},
                    BadValue{"not ct", {"--sheet", "--secondary", "6,1,tap"}},
                    BadValue{"choice alone", {"--ct", "U1=220"}}),
    testing_support::ReadableName());

// The cores judged by the sheet sit beside the traditional judgement.
TEST(CoresOption, AddsTheSheetsCoilAndTheSmallestBuildable) {
  const Json result = RunJson(With({"--cores", "--sheet"}, kNoCore));
  EXPECT_EQ(result["smallest_buildable"], "EI-114");
  EXPECT_EQ(result["smallest_buildable"], result["sheet"]["recommended_core"]);
  EXPECT_NE(result["smallest_buildable"], result["smallest_fit"]);
  for (const Json& core : result["cores"]) {
    SCOPED_TRACE(core["name"].get<std::string>());
    ASSERT_TRUE(core["coil"].is_number());
    EXPECT_EQ(core["builds"], core["coil"].get<double>() <
                                  std::stod(core["c"].get<std::string>()));
  }
  const Json none = RunJson({"--cores"});
  EXPECT_TRUE(none["smallest_buildable"].is_null());
  EXPECT_TRUE(none["cores"][0]["coil"].is_null());

  const ToolOutput text = Invoke(With({"--cores"}, kNoCore));
  EXPECT_NE(text.out.find("实绕结论"), std::string::npos);
  EXPECT_NE(text.out.find("实绕最小可用铁心：EI-114\n"), std::string::npos);
}

TEST(WiresOption, AddsTheBoundWhereTheEnamelIsUnknown) {
  const Json wires = RunJson(With({"--wires"}, kSample))["wires"];
  EXPECT_TRUE(wires["d1"]["grade2_max_mm"].is_null());
  EXPECT_EQ(wires["d1"]["grade2_bound_mm"], 0.989);
  const Json known = RunJson({"--wires", "U1=220", "U2=36", "P2=20"})["wires"];
  EXPECT_TRUE(known["d1"]["grade2_max_mm"].is_number());
  EXPECT_TRUE(known["d1"]["grade2_bound_mm"].is_null());
}

}  // namespace
}  // namespace spulix

namespace spulix {
namespace {

// --rate answers what the engine's own rating finds, and the fields then
// hold the design at that power.
TEST(RateOption, GivesTheLargestPowerAndTheDesignAtIt) {
  const Json json =
      RunJson({"--json", "U1=220", "U2=24", "core=EI-96", "--rate", "50"});
  ASSERT_TRUE(json.contains("rating"));
  const Json& rating = json["rating"];
  EXPECT_EQ(rating["stack_mm"], 50);
  ASSERT_TRUE(rating["p2_w"].is_number_integer());
  const int watts = rating["p2_w"];
  EXPECT_EQ(json["fields"]["Text1"], std::to_string(watts));
  EXPECT_TRUE(json["sheet"]["fits"].get<bool>());
  // One watt more, on the same stack, does not fit.
  const Json above =
      RunJson({"--json", "--sheet", "U1=220", "U2=24", "core=EI-96", "--stack",
               "50", "P2=" + std::to_string(watts + 1)});
  EXPECT_FALSE(above["sheet"].value("fits", false));
}

TEST(RateOption, WithoutACoreIsAUsageError) {
  const ToolOutput output = Invoke({"U1=220", "U2=24", "--rate", "40"});
  EXPECT_EQ(output.exit_code, 2);
  EXPECT_NE(output.err.find("--rate needs the design's core"),
            std::string::npos);
}

TEST(StackOption, ReachesTheSheetAndTheCoresCarryTheirStackRatio) {
  const Json json = RunJson({"--json", "--sheet", "--cores", "U1=220", "U2=24",
                             "core=EI-96", "--stack", "40", "P2=80"});
  EXPECT_EQ(json["sheet"]["windings"].size(), 2u);
  bool noted = false;
  for (const Json& note : json["sheet"]["notes"]) {
    noted |= note.get<std::string>().find("实际迭厚 40") != std::string::npos;
  }
  EXPECT_TRUE(noted);
  for (const Json& core : json["cores"]) {
    if (core["coil"].is_null()) continue;
    ASSERT_TRUE(core["stack_ratio"].is_number()) << core.dump();
    if (core["builds"].get<bool>()) {
      EXPECT_LE(core["stack_ratio"].get<double>(), 2.0);
    }
  }
}

}  // namespace
}  // namespace spulix
