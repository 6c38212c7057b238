// SPDX-License-Identifier: GPL-3.0-or-later
// WebDesign, the page's way into the engine, compiled natively: what it
// answers must be what the engine itself does to a memory store.
#include "web/web_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "design/design.h"
#include "design/design_calculation.h"
#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/parts/core_catalogue.h"
#include "design/parts/core_selection.h"
#include "design/sheet/core_rating.h"
#include "design/sheet/core_search.h"
#include "design/transformer_design.h"
#include "document/design_document.h"
#include "present/english_text.h"
#include "present/sheet_text.h"

namespace spulix {
namespace {

using Json = nlohmann::json;

std::vector<std::string> Fields(const Json& state) {
  return state.at("fields").get<std::vector<std::string>>();
}
std::vector<std::string> Texts(const MemoryStore& store) {
  return {store.texts().begin(), store.texts().end()};
}

// One user action, done once through WebDesign and once on a memory store.
struct Step {
  std::function<std::string(WebDesign&)> page;
  std::function<void(MemoryStore&)> engine;
};
Step Type(Field field, std::string text) {
  return {[=](WebDesign& web) { return web.Type(ControlNumber(field), text); },
          [=](MemoryStore& store) { store.SetText(field, text); }};
}
Step Press(const char* name) {
  return {[=](WebDesign& web) { return web.Press(name); },
          [=](MemoryStore& store) {
            PressDesignButton(store, store.choices(),
                              *DesignButtonByName(name));
          }};
}
Step DoubleClick(Field field) {
  return {[=](WebDesign& web) { return web.DoubleClick(ControlNumber(field)); },
          [=](MemoryStore& store) { OnFieldDoubleClicked(store, field); }};
}

struct Case {
  const char* name;
  std::vector<Step> steps;
};

class WebDesignEqualsEngine : public testing::TestWithParam<Case> {};

TEST_P(WebDesignEqualsEngine, FieldsAndMessagesAfterEveryStep) {
  WebDesign web;
  MemoryStore store;
  for (const Step& step : GetParam().steps) {
    const Json state = Json::parse(step.page(web));
    step.engine(store);
    EXPECT_EQ(Fields(state), Texts(store));
    std::vector<std::string> messages;
    for (const std::string& message : store.messages()) {
      messages.push_back(Compose(MessageText(message)));
    }
    store.ClearMessages();
    EXPECT_EQ(state.at("messages").get<std::vector<std::string>>(), messages);
    EXPECT_EQ(state.at("status"),
              Compose(MessageText(store.CaptionText(Caption::kStatus))));
  }
}

using F = Field;
INSTANTIATE_TEST_SUITE_P(
    Scripts, WebDesignEqualsEngine,
    testing::Values(
        Case{"TestButton", {Press("Command9")}},
        Case{"Keystrokes",
             {Type(F::kInputVoltage, "2"), Type(F::kInputVoltage, "22"),
              Type(F::kInputVoltage, "220"), Type(F::kOutputVoltage, "24"),
              Type(F::kWindowHeight, "48"), Type(F::kWindowWidth, "16"),
              Type(F::kTongueWidth, "32"), Type(F::kOutputPower, "1"),
              Type(F::kOutputPower, "10"), Type(F::kOutputPower, "100")}},
        Case{"JunkInP2",
             {Press("Command9"), Type(F::kOutputPower, "25x"),
              Type(F::kOutputPower, "8")}},
        Case{"DoubleClicks",
             {Press("Command9"), Type(F::kPrimaryWireDiameter, "0.9"),
              DoubleClick(F::kPrimaryWireDiameter),
              DoubleClick(F::kSecondaryWireDiameter)}},
        Case{"FitCheckThenClear",
             {Press("Command9"), Press("Command5"), Press("Command3")}},
        Case{"RefreshOnNothing", {Press("Command2")}}),
    [](const testing::TestParamInfo<Case>& info) { return info.param.name; });

TEST(WebDesignTest, MessagesAreGivenOnceInOrder) {
  WebDesign web;
  const Json first = Json::parse(web.Press("Command2"));
  EXPECT_EQ(first.at("messages"),
            Json({"请输入输入电压！", "请输入输出电压！"}));
  EXPECT_TRUE(Json::parse(web.State()).at("messages").empty());
}

TEST(WebDesignTest, AnUnknownButtonChangesNothingAndSaysSo) {
  WebDesign web;
  web.Press("Command9");
  const Design before = web.store().design();
  const Json state = Json::parse(web.Press("Command99"));
  EXPECT_EQ(web.store().design(), before);
  ASSERT_EQ(state.at("messages").size(), 1u);
  EXPECT_NE(state.at("messages")[0].get<std::string>().find("Command99"),
            std::string::npos);
}

TEST(WebDesignTest, AFieldOutsideTheTwentyNineIsIgnored) {
  WebDesign web;
  for (int control : {0, 30, -1}) {
    const Json state = Json::parse(web.Type(control, "5"));
    EXPECT_EQ(Fields(state), std::vector<std::string>(kFieldCount, ""));
  }
}

TEST(WebDesignTest, EnglishComesFromTheDesktopTranslations) {
  WebDesign web;
  web.SetLanguage("en");
  const Json texts = Json::parse(web.PageTexts());
  ASSERT_EQ(texts.at("fields").size(), static_cast<size_t>(kFieldCount));
  for (std::size_t i = 0; i < Catalogue().size(); ++i) {
    EXPECT_EQ(texts.at("fields")[i].at("caption"),
              Compose(FullCaptionText(Catalogue()[i]), English));
  }
  EXPECT_EQ(texts.at("texts").at("test"),
            English("MainWindowCommands", "测试"));
  EXPECT_EQ(texts.at("texts").at("ok"), "OK");
  const Json state = Json::parse(web.Press("Command2"));
  EXPECT_EQ(state.at("messages")[0],
            English("DesignMessage", "请输入输入电压！"));

  web.SetLanguage("zh");
  EXPECT_EQ(Json::parse(web.PageTexts()).at("texts").at("ok"), "确定");
}

TEST(WebDesignTest, EveryPageTextIsTranslated) {
  WebDesign web;
  web.SetLanguage("en");
  const Json english = Json::parse(web.PageTexts()).at("texts");
  web.SetLanguage("zh");
  const Json chinese = Json::parse(web.PageTexts()).at("texts");
  for (const auto& [key, text] : chinese.items()) {
    EXPECT_NE(english.at(key), text) << key << " has no English";
  }
}

Json Choices(WebDesign& web) { return Json::parse(web.State()).at("choices"); }

TEST(WebDesignTest, ChoicesTakeWhatTheSheetCanUse) {
  WebDesign web;
  web.SetChoices(R"({"enamel_grade": 1, "steel": "50w470",
                     "center_tap": true,
                     "extras": [{"U": "6.3", "I": "2", "center_tap": true}]})");
  const Json taken = Choices(web);
  EXPECT_EQ(taken.at("enamel_grade"), 1);
  EXPECT_EQ(taken.at("steel"), "50W470");
  EXPECT_EQ(taken.at("center_tap"), true);
  EXPECT_EQ(taken.at("extras"),
            Json::parse(R"([{"U": "6.3", "I": "2", "center_tap": true}])"));
  for (const char* refused :
       {R"({"enamel_grade": 3})", R"({"enamel_grade": "1"})",
        R"({"steel": "no such steel"})", R"({"center_tap": 1})", "[1]",
        "not json"}) {
    web.SetChoices(refused);
    EXPECT_EQ(Choices(web), taken) << refused;
  }
  web.SetChoices(R"({"extras": []})");
  EXPECT_TRUE(Choices(web).at("extras").empty());
}

TEST(WebDesignTest, TheRecommendedCoreIsTheSearchesAndUsingItIsUseCore) {
  WebDesign web;
  web.Press("Command9");
  MemoryStore store;
  Command9_Click(store);
  CalculateDesign(store);
  const CoreCatalogue catalogue;
  const auto core =
      RecommendCore(store.texts(), store.choices(), catalogue.cores());
  ASSERT_TRUE(core.has_value());
  const std::string name = catalogue.cores()[*core].name;
  const Json sheet = Json::parse(web.Sheet());
  EXPECT_EQ(sheet.at("recommended").at("name"), name);
  EXPECT_EQ(sheet.at("recommended").at("text"), "推荐铁心：" + name);
  EXPECT_FALSE(sheet.contains("error"));
  EXPECT_EQ(sheet.at("rows")[0][0], "绕组");

  const Json state = Json::parse(web.UseRecommended());
  UseCore(store, catalogue.cores()[*core]);
  EXPECT_EQ(Fields(state), Texts(store));
}

TEST(WebDesignTest, TheCoreInHandIsRateCoresAnswer) {
  WebDesign web;
  web.Press("Command9");
  MemoryStore store;
  PressDesignButton(store, store.choices(), DesignButton::kTest);
  const CoreCatalogue catalogue;
  struct Rated {
    int core;  // -1: the fields' core
    CoreEntry entry;
  };
  CoreEntry fields_core;
  fields_core.h_mm = 61.5;
  fields_core.c_mm = 22;
  fields_core.a_mm = 35;
  for (const Rated& rated :
       {Rated{-1, fields_core}, Rated{0, catalogue.cores()[0]},
        Rated{3, catalogue.cores()[3]}}) {
    const CoreRating expected =
        RateCore(store.texts(), store.choices(), rated.entry);
    const Json answer = Json::parse(web.RateCore(rated.core));
    ASSERT_TRUE(expected.p2_w.has_value()) << rated.core;
    EXPECT_EQ(answer.at("p2"), *expected.p2_w) << rated.core;
    EXPECT_EQ(
        answer.at("answer"),
        "最大输出功率 " + std::to_string(*expected.p2_w) + " 瓦（按计算迭厚）");
  }
  web.SetChoices(R"({"stack_mm": "40"})");
  store.choices().stack_mm = "40";
  const CoreRating on_stack =
      RateCore(store.texts(), store.choices(), fields_core);
  ASSERT_TRUE(on_stack.p2_w.has_value());
  EXPECT_EQ(Json::parse(web.RateCore(-1)).at("answer"),
            "最大输出功率 " + std::to_string(*on_stack.p2_w) +
                " 瓦（实际迭厚 40 毫米）");

  // Designing for it types that P2, the catalogue core put in first.
  const Json state = Json::parse(web.UseRating(3));
  const CoreRating chosen =
      RateCore(store.texts(), store.choices(), catalogue.cores()[3]);
  FillCore(store, catalogue.cores()[3]);
  store.SetText(Field::kOutputPower, std::to_string(*chosen.p2_w));
  EXPECT_EQ(Fields(state), Texts(store));
}

TEST(WebDesignTest, NoCoreInHandWithoutACore) {
  WebDesign web;
  for (int core : {-1, 100000}) {
    const Json answer = Json::parse(web.RateCore(core));
    EXPECT_EQ(answer.at("answer"), "主窗口还没有铁心");
    EXPECT_TRUE(answer.at("p2").is_null());
    EXPECT_EQ(Fields(Json::parse(web.UseRating(core))),
              std::vector<std::string>(kFieldCount, ""));
  }
}

TEST(WebDesignTest, AnEmptyDesignHasNoSheetAndNoCore) {
  WebDesign web;
  const Json sheet = Json::parse(web.Sheet());
  EXPECT_TRUE(sheet.at("recommended").at("name").is_null());
  // Nothing to wind yet, rather than no core large enough.
  EXPECT_EQ(sheet.at("recommended").at("text"),
            RecommendedCoreText(std::nullopt, {}, {}, false));
  EXPECT_NE(sheet.at("recommended").at("text"),
            RecommendedCoreText(std::nullopt));
  EXPECT_EQ(sheet.at("error").get<std::string>().rfind("无法计算绕制单：", 0),
            0u);
  const Json state = Json::parse(web.UseRecommended());
  EXPECT_EQ(state.at("messages"),
            Json({RecommendedCoreText(std::nullopt, {}, {}, false)}));
  EXPECT_EQ(Fields(state), std::vector<std::string>(kFieldCount, ""));
}

TEST(WebDesignTest, SavedAndOpenedAgainIsTheSameDesign) {
  WebDesign web;
  web.Press("Command9");
  web.Type(ControlNumber(Field::kPrimaryWireDiameter), "0.9");
  web.SetChoices(R"({"extras": [{"U": "12", "I": "1", "center_tap": true}]})");
  const Design saved = web.store().design();
  const Json file = Json::parse(web.Save());
  EXPECT_EQ(file.at("file"), "220V-36V-250W.spulix");

  WebDesign other;
  const std::string text = file.at("text");
  const Json state = Json::parse(
      other.Open("mine.spulix", static_cast<double>(text.size()), text));
  EXPECT_TRUE(state.at("messages").empty());
  EXPECT_EQ(other.store().design(), saved);
  // Saved again, it keeps the name it was opened under.
  EXPECT_EQ(Json::parse(other.Save()).at("file"), "mine.spulix");
}

TEST(WebDesignTest, ANewDesignIsSavedUnderANameOfItsOwn) {
  WebDesign web;
  EXPECT_EQ(Json::parse(web.Save()).at("file"), "未命名.spulix");
  web.SetLanguage("en");
  EXPECT_EQ(Json::parse(web.Save()).at("file"), "untitled.spulix");
  // P2 first: U1 and U2 have no reaction, so they keep what was typed.
  web.Type(ControlNumber(Field::kOutputPower), "5");
  web.Type(ControlNumber(Field::kInputVoltage), "2/3");
  web.Type(ControlNumber(Field::kOutputVoltage), "1 2");
  EXPECT_EQ(Json::parse(web.Save()).at("file"), "2-3V-1-2V-5W.spulix");
}

struct BadFile {
  const char* name;
  std::string bytes;
  double size;  // -1: the bytes' own
  const char* says;
};

class WebDesignRefusesFile : public testing::TestWithParam<BadFile> {};

TEST_P(WebDesignRefusesFile, WithTheDesktopsMessageAndLosesNothing) {
  const BadFile& bad = GetParam();
  WebDesign web;
  web.Press("Command9");
  web.State();
  const Design before = web.store().design();
  const double size =
      bad.size < 0 ? static_cast<double>(bad.bytes.size()) : bad.size;
  const Json state = Json::parse(web.Open(bad.name, size, bad.bytes));
  EXPECT_EQ(web.store().design(), before);
  ASSERT_EQ(state.at("messages").size(), 1u);
  const std::string message = state.at("messages")[0];
  EXPECT_EQ(
      message.rfind(std::string("无法打开设计文件“") + bad.name + "”：", 0), 0u)
      << message;
  EXPECT_NE(message.find(bad.says), std::string::npos) << message;
  // Saved, it is still the design before, under its own name.
  EXPECT_EQ(Json::parse(web.Save()).at("file"), "220V-36V-250W.spulix");
}

INSTANTIATE_TEST_SUITE_P(
    Files, WebDesignRefusesFile,
    testing::Values(
        BadFile{"junk.spulix", "junk", -1, "不是有效的 JSON"},
        BadFile{"empty.spulix", "", -1, "文件是空的"},
        BadFile{"other.spulix", R"({"format": "x"})", -1, "不是 Spulix"},
        BadFile{"utf8.spulix", "{\"fields\": \"\xff\"}", -1, "UTF-8"},
        BadFile{"big.spulix", "", 5.0 * 1024 * 1024, "约 5 MB"},
        BadFile{"huge.spulix", "", 1e300, "MB"},
        BadFile{"nan.spulix", "", std::nan(""), "MB"},
        BadFile{"missing.spulix",
                R"({"format": "spulix-design", "version": 1})", -1,
                "“fields”"}),
    [](const testing::TestParamInfo<BadFile>& info) {
      std::string name = info.param.name;
      return name.substr(0, name.find('.'));
    });

TEST(WebDesignTest, TheFileLimitIsTheDesktops) {
  EXPECT_EQ(WebDesign::MaxFileBytes(),
            static_cast<double>(kMaxDesignFileBytes));
}

}  // namespace
}  // namespace spulix
