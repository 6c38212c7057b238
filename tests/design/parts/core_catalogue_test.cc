// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/core_catalogue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "design/memory_store.h"
#include "design/parts/core_selection.h"
#include "design/parts/csv_text.h"
#include "design/parts/shipped_data.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

// The shipped laminations follow the scrapless rule their source states:
// c = a / 2, h = 1.5 a, overall 3a x 2.5a; names are unique.
TEST(ShippedCores, ReadCleanlyAndFollowTheScraplessRule) {
  const CoreCsvParse parse = ParseCoreCsv(ShippedCoreCsv(), true);
  EXPECT_TRUE(parse.issues.empty()) << DescribeIssue(parse.issues.front());
  ASSERT_GE(parse.cores.size(), 9u);
  EXPECT_EQ(BuiltInCores().size(), parse.cores.size());
  const std::vector<CsvRecord> rows = SplitCsv(ShippedCoreCsv());
  for (std::size_t i = 0; i < parse.cores.size(); ++i) {
    const CoreEntry& core = parse.cores[i];
    SCOPED_TRACE(core.name);
    EXPECT_TRUE(core.built_in);
    EXPECT_NEAR(core.c_mm, core.a_mm / 2, 0.051);
    EXPECT_NEAR(core.h_mm, core.a_mm * 1.5, 0.051);
    EXPECT_NEAR(std::stod(rows[i + 1].cells[4]), core.a_mm * 3, 0.051);
    EXPECT_NEAR(std::stod(rows[i + 1].cells[5]), core.a_mm * 2.5, 0.051);
    if (i > 0) {
      EXPECT_GT(core.a_mm, parse.cores[i - 1].a_mm);
    }
  }
}

struct BadRow {
  const char* line;
  const char* reason;  // part of the reported reason
};
void PrintTo(const BadRow& c, std::ostream* os) {
  testing_support::PrintText(c.line, os);
}

class CoreCsvBadRow : public testing::TestWithParam<BadRow> {};

// A bad row is reported with its line number and reason; the good rows
// before and after it still load.
TEST_P(CoreCsvBadRow, IsReportedByLineAndTheOthersLoad) {
  const std::string text = std::string(
                               "name,tongue_a_mm,window_width_c_mm,"
                               "window_height_h_mm\n"
                               "Mine-1,10,5,15\n\n") +
                           GetParam().line + "\nMine-2,12,6,18\n";
  const CoreCsvParse parse = ParseCoreCsv(text, false, BuiltInCores());
  ASSERT_EQ(parse.issues.size(), 1u) << GetParam().line;
  EXPECT_EQ(parse.issues[0].line, 4);
  const std::string reason = Compose(parse.issues[0].reason);
  EXPECT_NE(reason.find(GetParam().reason), std::string::npos) << reason;
  EXPECT_EQ(DescribeIssue(parse.issues[0]).rfind("第 4 行：", 0), 0u);
  ASSERT_EQ(parse.cores.size(), 2u);
  EXPECT_EQ(parse.cores[0].name, "Mine-1");
  EXPECT_EQ(parse.cores[1].name, "Mine-2");
  EXPECT_FALSE(parse.cores[1].built_in);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, CoreCsvBadRow,
    testing::Values(
        BadRow{"X,abc,5,15", "a“abc”不是数字"}, BadRow{"X,10,,15", "c 为空"},
        BadRow{"X,10,5,0", "h 必须大于 0"},
        BadRow{"X,-10,5,15", "a 必须大于 0"},
        BadRow{"X,10,5,1e400", "超出范围"},
        BadRow{"X,10,5000,15", "不能超过 1000 毫米"},
        BadRow{"X,10,5", "只有 3 列"}, BadRow{",10,5,15", "型号为空"},
        BadRow{"\"X,10,5,15", "引号没有闭合"},
        BadRow{"\"X\"y,10,5,15", "引号后面有多余的字符"},
        BadRow{"X\xFF,10,5,15", "无效"}, BadRow{"X\x01,10,5,15", "无效"},
        BadRow{"ei-96,10,5,15", "重复"}, BadRow{"mine-1,10,5,15", "重复"},
        BadRow{"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNO,1,1,1",
               "超过 40 个字符"}),
    testing_support::ReadableName());

TEST(CoreCsv, ReadsColumnsByHeaderOrPositionAndForgivesFileNoise) {
  // Byte order mark, Windows line ends, comments, blanks, columns reordered,
  // an extra column, a quoted name with a comma.
  const CoreCsvParse by_header = ParseCoreCsv(
      "\xEF\xBB\xBFwindow_height_h_mm,name,note,tongue_a_mm,window_width_c_mm"
      "\r\n# my cores\r\n 33 , \"A,1\" ,x, 22 ,11\r\n",
      false);
  ASSERT_TRUE(by_header.issues.empty()) << DescribeIssue(by_header.issues[0]);
  ASSERT_EQ(by_header.cores.size(), 1u);
  EXPECT_EQ(by_header.cores[0].name, "A,1");
  EXPECT_EQ(by_header.cores[0].a_mm, 22);
  EXPECT_EQ(by_header.cores[0].c_mm, 11);
  EXPECT_EQ(by_header.cores[0].h_mm, 33);

  const CoreCsvParse positional = ParseCoreCsv("B,20,10,30", false);
  ASSERT_EQ(positional.cores.size(), 1u);
  EXPECT_EQ(positional.cores[0].h_mm, 30);

  const CoreCsvParse bad_header = ParseCoreCsv("name,a\nC,1,1,1\n", false);
  ASSERT_EQ(bad_header.issues.size(), 1u);
  EXPECT_EQ(bad_header.issues[0].line, 1);
  ASSERT_EQ(bad_header.cores.size(), 1u);
  EXPECT_EQ(bad_header.cores[0].name, "C");
}

TEST(CoreCsv, WrittenTextReadsBackTheSameCores) {
  std::vector<CoreEntry> cores = {
      {"Plain", 12.5, 6.25, 18.75, false},
      {"With, comma", 10, 5, 15, false},
      {"\"Quoted\" 芯", 0.001, 999.999, 1, false},
      {"#hash", 1, 2, 3, false},
  };
  const CoreCsvParse parse = ParseCoreCsv(CoreCsvText(cores), false);
  ASSERT_TRUE(parse.issues.empty()) << DescribeIssue(parse.issues[0]);
  ASSERT_EQ(parse.cores.size(), cores.size());
  for (std::size_t i = 0; i < cores.size(); ++i) {
    EXPECT_EQ(parse.cores[i].name, cores[i].name);
    EXPECT_EQ(parse.cores[i].a_mm, cores[i].a_mm);
    EXPECT_EQ(parse.cores[i].c_mm, cores[i].c_mm);
    EXPECT_EQ(parse.cores[i].h_mm, cores[i].h_mm);
  }
}

TEST(CoreCatalogue, KeepsShippedCoresAndEditsOnlyTheUsersOwn) {
  CoreCatalogue catalogue;
  const std::size_t shipped = catalogue.built_in_count();
  EXPECT_EQ(catalogue.cores().size(), shipped);
  EXPECT_TRUE(catalogue.RemoveUserCore(0).has_value());
  EXPECT_TRUE(catalogue.ReplaceUserCore(0, {"X", "1", "1", "1"}).has_value());
  EXPECT_EQ(catalogue.cores().size(), shipped);

  EXPECT_EQ(catalogue.AddUserCore({" Mine ", "10", "5", "15"}), std::nullopt);
  EXPECT_EQ(catalogue.cores().back().name, "Mine");
  EXPECT_TRUE(catalogue.AddUserCore({"MINE", "1", "1", "1"}).has_value());
  EXPECT_TRUE(catalogue.AddUserCore({"EI-48", "1", "1", "1"}).has_value());
  EXPECT_TRUE(catalogue.AddUserCore({"Other", "0", "1", "1"}).has_value());
  EXPECT_EQ(catalogue.FindByName("mine"), shipped);
  // Replacing may keep the entry's own name.
  EXPECT_EQ(catalogue.ReplaceUserCore(shipped, {"Mine", "11", "5", "15"}),
            std::nullopt);
  EXPECT_EQ(catalogue.cores()[shipped].a_mm, 11);

  CoreCatalogue reloaded;
  EXPECT_TRUE(reloaded.LoadUserCsv(catalogue.UserCsv()).empty());
  ASSERT_EQ(reloaded.cores().size(), shipped + 1);
  EXPECT_EQ(reloaded.cores()[shipped].a_mm, 11);

  EXPECT_EQ(catalogue.RemoveUserCore(shipped), std::nullopt);
  EXPECT_EQ(catalogue.cores().size(), shipped);
  EXPECT_EQ(catalogue.FindByName("Mine"), std::nullopt);
}

TEST(MatchCore, FindsTheCoreWhoseDimensionsTheFieldsHold) {
  const std::vector<CoreEntry>& cores = BuiltInCores();
  const auto ei96 = MatchCore(cores, "32", "16", "48");
  ASSERT_TRUE(ei96.has_value());
  EXPECT_EQ(cores[*ei96].name, "EI-96");
  EXPECT_EQ(MatchCore(cores, " 32.0", "16", "4.8e1"), ei96);
  EXPECT_EQ(MatchCore(cores, "32", "16", "47"), std::nullopt);
  EXPECT_EQ(MatchCore(cores, "32", "", "48"), std::nullopt);
  EXPECT_EQ(MatchCore(cores, "abc", "16", "48"), std::nullopt);
}

struct SheetNumber {
  const char* cell;   // as a spreadsheet wrote it
  double value;       // the number read
  const char* field;  // what 使用 puts into the field
};
void PrintTo(const SheetNumber& c, std::ostream* os) { *os << c.cell; }

class DimensionCell : public testing::TestWithParam<SheetNumber> {};

// A dimension reads as the number of the text the program writes for it,
// so that after 使用 the fields still name the core.
TEST_P(DimensionCell, ReadsAsItsWrittenTextAndIsFoundAgainAfterUse) {
  const SheetNumber& number = GetParam();
  const std::string cell = number.cell;
  const CoreCsvParse parse = ParseCoreCsv(
      "Sheet," + cell + "," + cell + "," + cell + "\n", false, BuiltInCores());
  ASSERT_EQ(parse.cores.size(), 1u);
  for (double mm :
       {parse.cores[0].a_mm, parse.cores[0].c_mm, parse.cores[0].h_mm}) {
    EXPECT_EQ(mm, number.value);
    EXPECT_EQ(DimensionText(mm), number.field);
  }
  const auto typed = ReadCoreInput({"Typed", cell, cell, cell});
  ASSERT_TRUE(std::holds_alternative<CoreEntry>(typed));
  EXPECT_EQ(std::get<CoreEntry>(typed).a_mm, number.value);

  MemoryStore store;
  FillCore(store, parse.cores[0]);
  EXPECT_EQ(store.Text(Field::kTongueWidth), number.field);
  EXPECT_EQ(MatchCore(parse.cores, store), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DimensionCell,
    testing::Values(SheetNumber{"12.700000000000001", 12.7, "12.7"},
                    SheetNumber{"15.875", 15.875, "15.875"},
                    SheetNumber{"0.30000000000000004", 0.3, "0.3"},
                    SheetNumber{"999.99999999999989", 1000, "1000"}),
    testing_support::ReadableName());

}  // namespace
}  // namespace spulix
