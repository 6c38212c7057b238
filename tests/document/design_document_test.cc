// SPDX-License-Identifier: GPL-3.0-or-later
// The design file text: what is saved comes back exactly, and every kind of
// bad text is refused with the problem named.
#include "document/design_document.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>

#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "document/design_error_text.h"
#include "tests/design/store_helpers.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

Design SampleDesign() {
  MemoryStore store;
  Command9_Click(store);  // the sample design after the test button
  return CaptureDesign(store);
}

Design Parsed(const std::string& text) {
  DesignParse parse = ParseDesign(text);
  if (auto* error = std::get_if<DesignError>(&parse)) {
    ADD_FAILURE() << EnglishErrorText(*error, "text", FileAction::kOpen);
    return {};
  }
  return std::get<Design>(parse);
}

TEST(DesignDocument, SavedSampleComesBackWithoutAnyReaction) {
  const Design saved = SampleDesign();
  ASSERT_EQ(saved.texts[Field::kCoilThickness], "14.8");
  ASSERT_EQ(saved.figures[0], "22");

  const Design opened = Parsed(SerializeDesign(saved));
  EXPECT_EQ(opened, saved);

  MemoryStore store;
  RestoreDesign(store, opened);
  EXPECT_EQ(CaptureDesign(store), saved);
  // No calculation ran: H is still that of the first press, not 15.8.
  EXPECT_EQ(store.Text(Field::kCoilThickness), "14.8");
  for (int number = 1; number <= kFieldCount; ++number) {
    EXPECT_EQ(store.changes(FieldFromNumber(number)), 0) << number;
  }
  EXPECT_TRUE(store.messages().empty());
}

TEST(DesignDocument, AnyTextSurvivesExactly) {
  const std::string long_text(50000, '7');
  for (const std::string& text :
       {std::string(), std::string("   "), std::string("1,234.5"),
        std::string("变压器 \"引号\" \\ / \t 制表"), std::string("12abc"),
        std::string("😀 𠀀"), std::string("line\nbreak"), long_text}) {
    Design saved;
    for (std::string& slot : saved.texts) slot = text;
    saved.figures = {text, "a", text};
    EXPECT_EQ(Parsed(SerializeDesign(saved)), saved) << text.substr(0, 40);
  }
}

TEST(DesignDocument, FileTextIsReadableJsonInControlOrder) {
  const std::string text = SerializeDesign(SampleDesign());
  EXPECT_EQ(
      text.rfind("{\n  \"format\": \"spulix-design\",\n  \"version\": 1,", 0),
      0u)
      << text;
  EXPECT_LT(text.find("\"Text1\""), text.find("\"Text2\""));
  EXPECT_LT(text.find("\"Text9\""), text.find("\"Text10\""));
  EXPECT_NE(text.find("\"Label68\": \"61.5\""), std::string::npos);
  EXPECT_EQ(text.back(), '\n');
}

TEST(DesignDocument, UnknownKeysAreIgnored) {
  std::string text = SerializeDesign(SampleDesign());
  text.insert(1, "\"comment\": {\"x\": [1, 2]}, \"saved_by\": \"someone\",");
  const std::size_t fields = text.find("\"fields\": {") + 11;
  text.insert(fields, "\"Text30\": 5, \"note\": null,");
  EXPECT_EQ(Parsed(text), SampleDesign());
}

std::string Replace(std::string text, const std::string& from,
                    const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

struct BadText {
  const char* name;
  std::string text;
  DesignError::Kind kind;
  std::string detail;
  const char* english;  // part of the one-line message
  const char* chinese;  // part of the window's message
};
void PrintTo(const BadText& c, std::ostream* os) { *os << c.name; }

class BadTexts : public testing::TestWithParam<BadText> {};

TEST_P(BadTexts, AreRefusedWithTheProblemNamed) {
  const BadText& bad = GetParam();
  DesignParse parse = ParseDesign(bad.text);
  ASSERT_TRUE(std::holds_alternative<DesignError>(parse));
  const DesignError& error = std::get<DesignError>(parse);
  EXPECT_EQ(error.kind, bad.kind);
  EXPECT_EQ(error.detail, bad.detail);
  const std::string english =
      EnglishErrorText(error, "x.spulix", FileAction::kOpen);
  EXPECT_NE(english.find("'x.spulix'"), std::string::npos) << english;
  EXPECT_NE(english.find(bad.english), std::string::npos) << english;
  EXPECT_EQ(english.find('\n'), std::string::npos);
  const std::string chinese =
      ChineseErrorText(error, "x.spulix", FileAction::kOpen);
  EXPECT_EQ(chinese.rfind("无法打开设计文件“x.spulix”：", 0), 0u) << chinese;
  EXPECT_NE(chinese.find(bad.chinese), std::string::npos) << chinese;
}

const std::string kGood = SerializeDesign(SampleDesign());
using K = DesignError::Kind;

INSTANTIATE_TEST_SUITE_P(
    Cases, BadTexts,
    testing::Values(
        BadText{"Empty", "", K::kEmpty, "", "empty", "空"},
        BadText{"Blanks", " \n\t", K::kEmpty, "", "empty", "空"},
        BadText{"Prose", "P2 = 250\n", K::kNotJson, "", "line 1, column 1",
                "不是有效的 JSON（第 1 行第 1 列）"},
        BadText{"BrokenOnLineThree", "{\n \"a\": 1,\n  x\n}", K::kNotJson, "",
                "line 3, column 3", "第 3 行第 3 列"},
        BadText{"Truncated", kGood.substr(0, kGood.size() / 2), K::kTruncated,
                "", "truncated", "不完整"},
        BadText{"TruncatedInAString", kGood.substr(0, kGood.find("220") + 1),
                K::kTruncated, "", "truncated", "不完整"},
        BadText{"InvalidUtf8", Replace(kGood, "220", "2\xFF"), K::kInvalidUtf8,
                "", "invalid UTF-8 at line", "UTF-8"},
        BadText{"OverlongUtf8", Replace(kGood, "220", "\xC0\xAF"),
                K::kInvalidUtf8, "", "invalid UTF-8", "UTF-8"},
        BadText{"NumberBeyondAnyType",
                Replace(kGood, "\"version\": 1",
                        "\"version\": 1, \"x\": " + std::string(400, '7')),
                K::kNotADesign, "", "not a Spulix design", "Spulix"},
        BadText{"Array", "[1, 2]", K::kNotADesign, "", "not a Spulix design",
                "不是 Spulix 设计文件"},
        BadText{"OtherFormat", Replace(kGood, "spulix-design", "other"),
                K::kNotADesign, "", "not a Spulix design", "不是"},
        BadText{"NewerVersion",
                Replace(kGood, "\"version\": 1", "\"version\": 2"),
                K::kNewerVersion, "2", "version 2 is newer", "较新版本"},
        BadText{"VersionAsText",
                Replace(kGood, "\"version\": 1", "\"version\": \"1\""),
                K::kBadVersion, "", "invalid format version", "版本无效"},
        BadText{"VersionZero",
                Replace(kGood, "\"version\": 1", "\"version\": 0"),
                K::kBadVersion, "0", "invalid format version", "版本无效"},
        BadText{"VersionMissing", Replace(kGood, "\"version\": 1,", ""),
                K::kBadVersion, "", "invalid format version", "版本无效"},
        BadText{"FieldMissing", Replace(kGood, "\"Text17\"", "\"Text99\""),
                K::kMissingKey, "Text17", "\"Text17\" is missing",
                "缺少“Text17”"},
        BadText{"FieldNotText", Replace(kGood, "\"61.5\"", "61.5"),
                K::kWrongType, "Text5", "\"Text5\" has the wrong type",
                "“Text5”的类型不对"},
        BadText{"FieldsNotObject",
                Replace(kGood, "\"fields\": {", "\"fields\": 3, \"x\": {"),
                K::kWrongType, "fields", "\"fields\" has the wrong type",
                "类型不对"},
        BadText{"LabelsMissing", Replace(kGood, "\"labels\"", "\"lables\""),
                K::kMissingKey, "labels", "\"labels\" is missing", "缺少"},
        BadText{"LabelNotText",
                Replace(kGood, "\"Label67\": \"35\"", "\"Label67\": null"),
                K::kWrongType, "Label67", "wrong type", "类型不对"}),
    [](const testing::TestParamInfo<BadText>& info) {
      return info.param.name;
    });

// The winding sheet's choices under "sheet": what the file holds, or the
// member whose value has the wrong type.
struct SheetKey {
  const char* name;
  std::string value;  // JSON text of "sheet"; empty: no key
  std::variant<SheetChoices, std::string> read;
};

void PrintTo(const SheetKey& row, std::ostream* os) { *os << row.name; }

std::string WithSheet(const std::string& value) {
  if (value.empty()) return kGood;
  std::string text = kGood;
  return text.insert(text.rfind('}'), ", \"sheet\": " + value);
}

std::string ManyExtras(int count) {
  std::string list;
  for (int i = 0; i < count; ++i) {
    list += (i ? "," : "") + std::string(R"({"U": "6.3", "I": "2"})");
  }
  return R"({"extra_secondaries": [)" + list + "]}";
}

class SheetKeys : public testing::TestWithParam<SheetKey> {};

TEST_P(SheetKeys, AreReadKeptAndWrittenOrRefusedByName) {
  const SheetKey& row = GetParam();
  DesignParse parse = ParseDesign(WithSheet(row.value));
  if (const auto* key = std::get_if<std::string>(&row.read)) {
    ASSERT_TRUE(std::holds_alternative<DesignError>(parse));
    const DesignError& error = std::get<DesignError>(parse);
    EXPECT_EQ(error.kind, DesignError::Kind::kWrongType);
    EXPECT_EQ(error.detail, *key);
    EXPECT_NE(ChineseErrorText(error, "x.spulix", FileAction::kOpen)
                  .find("“" + *key + "”的类型不对"),
              std::string::npos);
    return;
  }
  ASSERT_TRUE(std::holds_alternative<Design>(parse))
      << EnglishErrorText(std::get<DesignError>(parse), "x", FileAction::kOpen);
  const Design& opened = std::get<Design>(parse);
  const SheetChoices& expected = std::get<SheetChoices>(row.read);
  EXPECT_EQ(opened.sheet, expected);
  Design fields_only = opened;
  fields_only.sheet = {};
  EXPECT_EQ(fields_only, SampleDesign());

  // Saved again: the same choices, and no key at all for the defaults, so
  // such a design keeps the bytes it had before there were choices.
  const std::string saved = SerializeDesign(opened);
  EXPECT_EQ(Parsed(saved), opened);
  EXPECT_EQ(saved.find("\"sheet\"") == std::string::npos,
            expected == SheetChoices{});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SheetKeys,
    testing::Values(
        SheetKey{"NoKey", "", SheetChoices{}},
        SheetKey{"DefaultsWritten",
                 R"({"enamel_grade": 2, "steel": "50W800",
                     "center_tap": false, "extra_secondaries": []})",
                 SheetChoices{}},
        SheetKey{"MembersLeftOut", R"({"center_tap": true})",
                 testing_support::Choices({}, true)},
        SheetKey{
            "Every",
            R"({"enamel_grade": 1, "steel": "50W470",
                     "center_tap": true, "extra_secondaries": [
                     {"U": "6.3", "I": "2", "center_tap": false},
                     {"U": "12", "I": "1", "center_tap": true}]})",
            testing_support::Choices({{"6.3", "2", false}, {"12", "1", true}},
                                     true, 1, "50W470")},
        SheetKey{
            "TextsThatAreNoNumbers",
            R"({"steel": "M19", "extra_secondaries": [
                     {"U": "6,3 V", "I": ""}, {"center_tap": true}]})",
            testing_support::Choices({{"6,3 V", "", false}, {"", "", true}},
                                     false, 2, "M19")},
        SheetKey{"AThousandExtras", ManyExtras(1000),
                 testing_support::Choices(
                     std::vector<Secondary>(1000, {"6.3", "2", false}))},
        SheetKey{"NotAnObject", "[]", "sheet"},
        SheetKey{"GradeAsText", R"({"enamel_grade": "2"})",
                 "sheet.enamel_grade"},
        SheetKey{"GradeThree", R"({"enamel_grade": 3})", "sheet.enamel_grade"},
        SheetKey{"GradeNotWhole", R"({"enamel_grade": 2.0})",
                 "sheet.enamel_grade"},
        SheetKey{"SteelAsNumber", R"({"steel": 800})", "sheet.steel"},
        SheetKey{"CentreTapAsText", R"({"center_tap": "false"})",
                 "sheet.center_tap"},
        SheetKey{"ExtrasAsObject", R"({"extra_secondaries": {}})",
                 "sheet.extra_secondaries"},
        SheetKey{"ExtraAsText", R"({"extra_secondaries": ["6.3,2"]})",
                 "sheet.extra_secondaries[0]"},
        SheetKey{"VoltageAsNumber",
                 R"({"extra_secondaries": [{"U": 6.3, "I": "2"}]})",
                 "sheet.extra_secondaries[0].U"},
        SheetKey{"SecondCurrentNull",
                 R"({"extra_secondaries": [{}, {"U": "6.3", "I": null}]})",
                 "sheet.extra_secondaries[1].I"},
        SheetKey{"ExtraTapAsNumber",
                 R"({"extra_secondaries": [{"center_tap": 1}]})",
                 "sheet.extra_secondaries[0].center_tap"}),
    testing_support::ReadableName());

}  // namespace
}  // namespace spulix

namespace spulix {
namespace {

// The stack as built is the design's: saved as typed, written only when
// given (older files stay as they were), and gone after Clear.
TEST(StackAsBuiltKey, IsSavedOnlyWhenGivenAndClearedWithTheDesign) {
  Design design = SampleDesign();
  EXPECT_EQ(SerializeDesign(design).find("stack_mm"), std::string::npos);
  design.sheet.stack_mm = "40.5";
  const std::string text = SerializeDesign(design);
  EXPECT_NE(text.find("\"stack_mm\": \"40.5\""), std::string::npos) << text;
  EXPECT_EQ(Parsed(text).sheet.stack_mm, "40.5");

  MemoryStore store;
  RestoreDesign(store, design);
  SheetChoices choices = design.sheet;
  ClearDesign(store, choices);
  EXPECT_TRUE(choices.stack_mm.empty());
  EXPECT_EQ(choices.enamel_grade, design.sheet.enamel_grade);
}

TEST(StackAsBuiltKey, ThatIsNoTextRefusesTheFile) {
  std::string text = SerializeDesign(SampleDesign());
  text.replace(text.rfind('}'), 1, ", \"sheet\": {\"stack_mm\": 40}}");
  DesignParse parse = ParseDesign(text);
  ASSERT_TRUE(std::holds_alternative<DesignError>(parse));
  EXPECT_NE(std::get<DesignError>(parse).detail.find("stack_mm"),
            std::string::npos);
}

}  // namespace
}  // namespace spulix
