// SPDX-License-Identifier: GPL-3.0-or-later
// spulix-calc --lang: English text output with the same figures, Chinese
// whatever the locale without it, JSON the same in both.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "tests/cli/tool_runner.h"
#include "tests/readable_params.h"

namespace spulix {
namespace {

using testing_support::Invoke;

const std::vector<std::string> kSample = {
    "U1=220",  "U2=36",   "h=61.5",  "c=22",    "a=35",
    "r1=0.17", "f1=0.05", "r2=0.05", "f2=0.12", "P2=250"};

std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The Han characters and the CJK punctuation and full-width forms in the
// text, one string per character.
std::vector<std::string> ChineseIn(const std::string& text) {
  std::vector<std::string> found;
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte < 0x80   ? 1
                               : byte < 0xE0 ? 2
                               : byte < 0xF0 ? 3
                                             : 4;
    char32_t code = length == 1 ? byte : byte & (0x7F >> length);
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    if ((code >= 0x3000 && code <= 0x303F) ||
        (code >= 0x4E00 && code <= 0x9FFF) ||
        (code >= 0xFF00 && code <= 0xFFEF)) {
      found.push_back(text.substr(i, length));
    }
    i += length;
  }
  return found;
}

// The decimal figures in order: what a translation must leave alone.
std::vector<std::string> Figures(const std::string& text) {
  static const std::regex kFigure("-?[0-9]+\\.[0-9]+");
  std::vector<std::string> found;
  for (std::sregex_iterator it(text.begin(), text.end(), kFigure), end;
       it != end; ++it) {
    found.push_back(it->str());
  }
  return found;
}

struct Mode {
  const char* name;
  std::vector<std::string> args;
  std::string script;  // standard input, for "--script -" or "--core-file -"
};

void PrintTo(const Mode& mode, std::ostream* os) { *os << mode.name; }

class English : public testing::TestWithParam<Mode> {};

TEST_P(English, LeavesNoChineseAndKeepsEveryFigure) {
  const ToolOutput chinese = Invoke(GetParam().args, GetParam().script);
  const ToolOutput english =
      Invoke(With({"--lang", "en"}, GetParam().args), GetParam().script);
  ASSERT_EQ(english.exit_code, 0) << english.err;
  // Standard error holds the warnings about a core file's rows.
  const std::string chinese_text = chinese.out + chinese.err;
  const std::string english_text = english.out + english.err;
  EXPECT_EQ(ChineseIn(english_text), std::vector<std::string>{})
      << english_text;
  EXPECT_FALSE(ChineseIn(chinese_text).empty());
  EXPECT_EQ(Figures(english_text), Figures(chinese_text));
  EXPECT_EQ(std::count(english_text.begin(), english_text.end(), '\n'),
            std::count(chinese_text.begin(), chinese_text.end(), '\n'));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, English,
    testing::Values(
        Mode{"table", kSample, ""}, Mode{"messages", {"P2=100"}, ""},
        Mode{"cleared status", {"--script", "-"}, "click Command9\nclick QK\n"},
        Mode{"fit verdict",
             {"--script", "-"},
             "click Command9\nclick Command5\n"},
        Mode{"cores", With(kSample, {"--cores"}), ""},
        Mode{"cores unjudged", {"U1=220", "r1=x", "P2=abc", "--cores"}, ""},
        Mode{"wires", With(kSample, {"--wires"}), ""},
        Mode{"sheet with notes",
             With(kSample, {"--sheet", "--secondary", "6.3,2", "--ct"}), ""},
        Mode{"sheet wide wire",
             {"--sheet", "--script", "-"},
             "click Command9\nset d2 12.6\n"},
        Mode{"sheet reason", {"U1=220", "U2=24", "P2=150", "--sheet"}, ""},
        Mode{"core file rows", With(kSample, {"--cores", "--core-file", "-"}),
             "name,a\nMine,x,1,1\nOther,1\n\"Q\"x,1,1,1\n"}),
    testing_support::ReadableName());

// The real program under a locale, without --lang or with --lang zh.
std::string RunUnder(const std::string& locale, const std::string& args) {
  const std::string command = "LANG=" + locale + " LC_ALL=" + locale + " " +
                              SPULIX_CALC_PATH + " " + args + " 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"),
                                             pclose);
  std::string out;
  char buffer[4096];
  while (pipe && !feof(pipe.get())) {
    out.append(buffer, fread(buffer, 1, sizeof buffer, pipe.get()));
  }
  return out;
}

TEST(Language, ChineseWithoutLangWhateverTheLocale) {
  const std::string args =
      "--cores --sheet U1=220 U2=36 h=61.5 c=22 a=35 P2=250";
  const std::string chinese = RunUnder("C.UTF-8", "--lang zh " + args);
  EXPECT_NE(chinese.find("整个线包总厚度"), std::string::npos) << chinese;
  for (const char* locale : {"en_US.UTF-8", "zh_CN.UTF-8"}) {
    EXPECT_EQ(RunUnder(locale, args), chinese) << locale;
  }
}

TEST(Language, JsonIsTheSameInEnglish) {
  const std::vector<std::string> args = {"--json",  "--cores",     "--wires",
                                         "--sheet", "--secondary", "6.3,2",
                                         "--ct",    "--script",    "-"};
  // A computed sheet with notes and a verdict, then reasons and a status.
  for (const char* script :
       {"click Command9\nclick Command5\n", "click Command9\nclick QK\n"}) {
    const ToolOutput chinese = Invoke(args, script);
    const ToolOutput english = Invoke(With({"--lang", "en"}, args), script);
    ASSERT_EQ(chinese.exit_code, 0) << chinese.err;
    EXPECT_EQ(english.out, chinese.out);
    EXPECT_FALSE(ChineseIn(chinese.out).empty());
  }
}

TEST(Language, TakesOnlyZhOrEn) {
  for (const char* bad : {"fr", "EN", ""}) {
    const ToolOutput output = Invoke({"--lang", bad, "P2=100"});
    EXPECT_EQ(output.exit_code, 2) << bad;
    EXPECT_EQ(output.out, "");
  }
  EXPECT_EQ(Invoke({"--lang"}).exit_code, 2);
}

}  // namespace
}  // namespace spulix
