// SPDX-License-Identifier: GPL-3.0-or-later
// DC loads in the file: saved under "sheet" as typed and only when not AC,
// read back exactly, refused by name when mistyped.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "document/design_document.h"
#include "document/design_error_text.h"

namespace spulix {
namespace {

Design SampleDesign() {
  MemoryStore store;
  Command9_Click(store);
  return CaptureDesign(store);
}

SecondaryLoad Split() {
  SecondaryLoad load;
  load.kind = LoadKind::kSplit;
  load.udc = "35";
  load.idc = "3";
  load.c_uf = "10000";
  load.vf = "0.8";
  return load;
}

TEST(DcLoadKeys, MainLoadIsWrittenAsTypedAndReadBack) {
  Design design = SampleDesign();
  design.sheet.secondaries.main().load = Split();
  const std::string text = SerializeDesign(design);
  EXPECT_NE(text.find(R"("main_load": {)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("kind": "split")"), std::string::npos) << text;
  EXPECT_NE(text.find(R"("c_uf": "10000")"), std::string::npos) << text;
  const DesignParse parse = ParseDesign(text);
  ASSERT_TRUE(std::holds_alternative<Design>(parse));
  EXPECT_EQ(std::get<Design>(parse), design);
}

TEST(DcLoadKeys, ExtraLoadsKeepTheirOrderAndAcOnesWriteNothing) {
  Design design = SampleDesign();
  Secondary ac("6.3", "2");
  Secondary dc;
  dc.load = Split();
  dc.load.kind = LoadKind::kFullWave;
  dc.load.c_uf.clear();  // the default, kept empty
  design.sheet.secondaries.SetExtras({ac, dc});
  const std::string text = SerializeDesign(design);
  // One load key: the AC secondary has none.
  const std::size_t first = text.find(R"("load")");
  ASSERT_NE(first, std::string::npos);
  EXPECT_EQ(text.find(R"("load")", first + 1), std::string::npos);
  EXPECT_EQ(text.find("main_load"), std::string::npos);
  const DesignParse parse = ParseDesign(text);
  ASSERT_TRUE(std::holds_alternative<Design>(parse));
  EXPECT_EQ(std::get<Design>(parse), design);
}

TEST(DcLoadKeys, AnAcDesignIsSavedByteForByteAsBefore) {
  const Design design = SampleDesign();
  Design with_ac_load = design;
  with_ac_load.sheet.secondaries.main().load.udc = "35";  // ignored for AC
  with_ac_load.sheet.secondaries.main().load = SecondaryLoad();
  EXPECT_EQ(SerializeDesign(with_ac_load), SerializeDesign(design));
  EXPECT_EQ(SerializeDesign(design).find("load"), std::string::npos);
}

struct BadLoad {
  const char* sheet;  // the "sheet" value
  const char* key;    // the member named
};

class BadLoadKeys : public testing::TestWithParam<BadLoad> {};

TEST_P(BadLoadKeys, RefuseTheFileWithTheKeyNamed) {
  std::string text = SerializeDesign(SampleDesign());
  text.insert(text.rfind('}'), std::string(", \"sheet\": ") + GetParam().sheet);
  const DesignParse parse = ParseDesign(text);
  ASSERT_TRUE(std::holds_alternative<DesignError>(parse)) << text;
  const DesignError& error = std::get<DesignError>(parse);
  EXPECT_EQ(error.kind, DesignError::Kind::kWrongType);
  EXPECT_EQ(error.detail, GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadLoadKeys,
    testing::Values(
        BadLoad{R"({"main_load": "split"})", "sheet.main_load"},
        BadLoad{R"({"main_load": {"kind": "triple"}})", "sheet.main_load.kind"},
        BadLoad{R"({"main_load": {"kind": 1}})", "sheet.main_load.kind"},
        BadLoad{R"({"main_load": {"kind": "split", "udc": 35}})",
                "sheet.main_load.udc"},
        BadLoad{R"({"main_load": {"kind": "bridge", "vf": null}})",
                "sheet.main_load.vf"},
        BadLoad{R"({"extra_secondaries": [{}, {"load": []}]})",
                "sheet.extra_secondaries[1].load"},
        BadLoad{
            R"({"extra_secondaries": [{"load": {"kind": "bridge", "c_uf": 1}}]})",
            "sheet.extra_secondaries[0].load.c_uf"}));

TEST(DcLoadKeys, ClearReturnsTheMainSecondaryToAc) {
  MemoryStore store;
  Design design = SampleDesign();
  RestoreDesign(store, design);
  SheetChoices choices = design.sheet;
  choices.secondaries.main().load = Split();
  ClearDesign(store, choices);
  EXPECT_EQ(choices.secondaries.main().load.kind, LoadKind::kAc);
  design.sheet = choices;
  EXPECT_EQ(SerializeDesign(design).find("main_load"), std::string::npos);
}

}  // namespace
}  // namespace spulix
