// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc's DC loads: --dc finds and sets U2 and P2, --secondary-dc
// adds a DC winding in order with --secondary, --vf sets the diode drop;
// the sheet's JSON carries each DC winding's figures, checked here against
// the stopping rule and the winding's own figures.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/calc_tool.h"
#include "tests/cli/tool_runner.h"

namespace spulix {
namespace {

using Json = nlohmann::json;
using testing_support::Invoke;

Json RunDc(const std::vector<std::string>& args) {
  ToolOutput output;
  Json j = testing_support::InvokeJson(args, "", &output);
  EXPECT_EQ(output.exit_code, 0) << output.err;
  return j;
}

// Vdc within 0.5 % of Udc, or within one turn's peak volts.
void ExpectMeetsStoppingRule(const Json& winding) {
  const Json& dc = winding["dc"];
  const double udc = dc["udc_v"];
  const double tolerance = std::max(
      0.005 * udc, std::sqrt(2.0) * winding["no_load_v"].get<double>() /
                       winding["turns"].get<double>());
  EXPECT_LE(std::abs(dc["vdc_v"].get<double>() - udc), tolerance) << winding;
  // Rated for the current it carries.
  const double rms = dc["winding_rms_a"];
  EXPECT_NEAR(winding["current_a"].get<double>(), rms,
              0.01 * rms + 0.5 / winding["voltage_v"].get<double>());
}

TEST(DcOption, SetsU2AndP2ThatTheSheetConfirms) {
  for (const char* load : {"bridge,24,2,4700", "split,35,3,10000",
                           "fullwave,15,1", "bridge,12,5"}) {
    SCOPED_TRACE(load);
    // Found on the recommended core first, then wound on that core.
    const Json found = RunDc({"--json", "--sheet", "U1=220", "--dc", load});
    const std::string core = found["sheet"]["recommended_core"];
    const Json j =
        RunDc({"--json", "--sheet", "U1=220", "core=" + core, "--dc", load});
    const std::string u2 = j["fields"]["Text11"];
    const std::string p2 = j["fields"]["Text1"];
    const Json& winding = j["sheet"]["windings"][1];
    ASSERT_TRUE(winding.contains("dc")) << j["sheet"];
    EXPECT_EQ(winding["voltage_v"].get<double>(), std::stod(u2));
    // P2 = U2 × Iw, as typed: a whole number.
    EXPECT_EQ(std::stod(p2),
              std::llround(std::stod(u2) *
                           winding["dc"]["winding_rms_a"].get<double>()));
    ExpectMeetsStoppingRule(winding);
    const bool tapped = std::string(load).rfind("bridge", 0) != 0;
    EXPECT_EQ(!winding["tap"].is_null(), tapped);
    EXPECT_TRUE(j["sheet"]["windings"][0].find("dc") ==
                j["sheet"]["windings"][0].end());
  }
}

TEST(DcOption, ExtraDcSecondariesKeepTheirPlaceAndTheDropGiven) {
  const Json j =
      RunDc({"--json", "--sheet", "U1=220", "U2=36", "h=61.5", "c=22", "a=35",
             "P2=100", "--secondary", "6.3,2", "--secondary-dc", "split,15,1",
             "--secondary", "9,1", "--vf", "0.4"});
  const Json& windings = j["sheet"]["windings"];
  ASSERT_EQ(windings.size(), 5u) << j["sheet"];
  EXPECT_EQ(windings[2]["voltage_v"], 6.3);
  EXPECT_EQ(windings[4]["voltage_v"], 9);
  EXPECT_FALSE(windings[2].contains("dc"));
  ASSERT_TRUE(windings[3].contains("dc"));
  EXPECT_EQ(windings[3]["dc"]["kind"], "split");
  EXPECT_EQ(windings[3]["dc"]["vf_v"], 0.4);
  EXPECT_FALSE(windings[3]["tap"].is_null());
  ExpectMeetsStoppingRule(windings[3]);
  // The default capacitor, shown as chosen: the E6 step at or above
  // Idc / (2 f × 0.1 × Udc) = 1 / (2 × 50 × 0.1 × 15) F, 6667 µF.
  EXPECT_EQ(windings[3]["dc"]["c_uf"], 6800);
}

TEST(DcOption, TextOutputListsTheDcFigures) {
  const ToolOutput output =
      Invoke({"--sheet", "U1=220", "core=EI-96", "--dc", "bridge,24,2,4700"});
  ASSERT_EQ(output.exit_code, 0) << output.err;
  for (const char* text : {"次级1 的直流负载", "满载直流电压", "纹波",
                           "峰值电流", "导通角", "Iw/Idc", "未计漏感"}) {
    EXPECT_NE(output.out.find(text), std::string::npos) << text;
  }
}

TEST(DcOption, BadValuesAreUsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"--dc", "triple,35,3"},
      {"--dc", "ac,35,3"},
      {"--dc", "bridge,0,3"},
      {"--dc", "bridge,35,-3"},
      {"--dc", "bridge,35"},
      {"--dc", "bridge,35,3,10000,1"},
      {"--dc", "bridge,35,3,x"},
      {"--dc"},
      {"--dc", "bridge,35,3", "--vf", "-0.1"},
      {"--vf", "0.7"},
      {"--secondary-dc", "bridge,12,1"},  // needs --sheet
      {"--sheet", "--secondary-dc", "bridge,12,nan"},
  };
  for (std::vector<std::string> args : cases) {
    args.insert(args.begin(), "U1=220");
    const ToolOutput output = Invoke(args);
    EXPECT_EQ(output.exit_code, 2) << args[1] << " " << output.err;
    EXPECT_TRUE(output.out.empty());
    EXPECT_EQ(output.err.rfind("spulix-calc: ", 0), 0u) << output.err;
  }
}

TEST(DcOption, ALoadNoCoreCarriesIsSaidAndLeavesTheFields) {
  const ToolOutput output =
      Invoke({"U1=220", "U2=24", "P2=100", "--dc", "bridge,1e5,1e5", "--json"});
  EXPECT_EQ(output.exit_code, 0);
  EXPECT_NE(output.err.find("--dc"), std::string::npos) << output.err;
  const Json j = Json::parse(output.out);
  EXPECT_EQ(j["fields"]["Text11"], "24");
  EXPECT_EQ(j["fields"]["Text1"], "100");
}

}  // namespace
}  // namespace spulix
