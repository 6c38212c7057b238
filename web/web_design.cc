// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/web_design.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "design/design.h"
#include "design/design_calculation.h"
#include "design/design_commands.h"
#include "design/field_reactions.h"
#include "design/parts/core_selection.h"
#include "design/parts/steel_grades.h"
#include "design/sheet/core_rating.h"
#include "design/sheet/core_search.h"
#include "design/sheet/extra_secondaries.h"
#include "design/sheet/winding_sheet.h"
#include "design/transformer_design.h"
#include "document/design_document.h"
#include "document/design_error_text.h"
#include "document/design_file.h"
#include "present/english_text.h"
#include "present/sheet_text.h"

namespace spulix {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kRatingContext = "spulix::CoreRatingBox";

// The page's own texts by the key the page knows them by: each is a text
// the desktop shows in the same place, so it is translated once, there.
struct PageText {
  const char* key;
  const char* context;
  const char* source;
};
constexpr PageText kPageTexts[] = {
    {"test", "MainWindowCommands", SPULIX_TEXT("MainWindowCommands", "测试")},
    {"fit", "MainWindowCommands",
     SPULIX_TEXT("MainWindowCommands", "？铁心是否可用")},
    {"refresh", "MainWindowCommands",
     SPULIX_TEXT("MainWindowCommands", "刷新")},
    {"clear", "MainWindowCommands", SPULIX_TEXT("MainWindowCommands", "清空")},
    {"open", "MainWindowCommands",
     SPULIX_TEXT("MainWindowCommands", "打开设计…")},
    {"save", "MainWindowCommands",
     SPULIX_TEXT("MainWindowCommands", "保存设计")},
    {"print", "MainWindowCommands", SPULIX_TEXT("MainWindowCommands", "打印")},
    {"ok", "AboutWindow", SPULIX_TEXT("AboutWindow", "确定")},
    {"title", "AboutWindow", SPULIX_TEXT("AboutWindow", "Spulix 变压器计算器")},
    {"subtitle", "AboutWindow",
     SPULIX_TEXT("AboutWindow", "小型电源变压器设计计算")},
    {"primary_insulation", "MainWindow",
     SPULIX_TEXT("MainWindow", "初级绕组绝缘:")},
    {"secondary_insulation", "MainWindow",
     SPULIX_TEXT("MainWindow", "次级绕组绝缘:")},
    {"sheet", "SelectionWindows", SPULIX_TEXT("SelectionWindows", "绕制单")},
    {"choices", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "选择")},
    {"enamel", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "漆包线漆膜：")},
    {"grade1", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "一级（薄漆膜）")},
    {"grade2", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "二级（厚漆膜）")},
    {"steel", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "硅钢片牌号：")},
    {"center_tap_main", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "次级1 带中心抽头")},
    {"more_secondaries", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "其他次级")},
    {"add", "spulix::SheetWindow", SPULIX_TEXT("spulix::SheetWindow", "添加")},
    {"add_tip", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "再加一个次级绕组")},
    {"remove", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "删除")},
    {"voltage", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "电压（伏）")},
    {"current", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "电流（安）")},
    {"center_tap", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "中心抽头")},
    {"use_recommended", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "使用推荐铁心")},
    {"use_recommended_tip", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow",
                 "把推荐铁心的 h、c、a 填入主窗口并重新计算，与标准铁心窗口的"
                 "“使用”相同")},
    {"wires_to_buy", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "要买的漆包线")},
    {"length", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "长度")},
    {"mass", "spulix::SheetWindow", SPULIX_TEXT("spulix::SheetWindow", "重量")},
    {"notes", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "说明：")},
    {"wire_size", "CalcTool", SPULIX_TEXT("CalcTool", "标准线径")},
    {"rating", "spulix::CoreRatingBox",
     SPULIX_TEXT("spulix::CoreRatingBox", "这个铁心能做多大：")},
    {"fields_core", "spulix::CoreRatingBox",
     SPULIX_TEXT("spulix::CoreRatingBox", "主窗口的铁心")},
    {"use_rating", "spulix::CoreRatingBox",
     SPULIX_TEXT("spulix::CoreRatingBox", "按此功率设计")},
    {"use_rating_tip", "spulix::CoreRatingBox",
     SPULIX_TEXT("spulix::CoreRatingBox",
                 "把这只铁心填入主窗口，输出功率 P2 设为最大值，"
                 "绕制单按实际迭厚绕制")},
    {"stack", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow", "实际迭厚（毫米）：")},
    {"stack_tip", "spulix::SheetWindow",
     SPULIX_TEXT("spulix::SheetWindow",
                 "铁心实际迭的厚度（毫米）；填写后绕制单按它计算匝数")},
    {"saved", "spulix::DesignFileCommands",
     SPULIX_TEXT("spulix::DesignFileCommands", "已保存 %1")},
    {"file_filter", "spulix::DesignFileCommands",
     SPULIX_TEXT("spulix::DesignFileCommands", "Spulix 设计 (*.spulix)")},
};

const char* RoleName(FieldRole role) {
  switch (role) {
    case FieldRole::kTypedInput:
      return "input";
    case FieldRole::kInsulationInput:
      return "insulation";
    case FieldRole::kWireDiameter:
      return "wire";
    case FieldRole::kResult:
      break;
  }
  return "result";
}

// A file name's characters that no system takes, and blanks, become "-".
std::string SafeFileName(std::string name) {
  for (char& c : name) {
    if (std::string_view("/\\:*?\"<>| \t").find(c) != std::string_view::npos ||
        static_cast<unsigned char>(c) < 0x20) {
      c = '-';
    }
  }
  return name;
}

}  // namespace

WebDesign::WebDesign() = default;

void WebDesign::SetLanguage(const std::string& language) {
  english_ = language == "en";
  translate_ = english_ ? Translate(English) : Translate();
}

std::string WebDesign::Tr(const char* context, const char* source) const {
  return Translated(translate_, context, source);
}

std::string WebDesign::Say(const UserText& text) const {
  return Compose(text, translate_);
}

std::string WebDesign::PageTexts() const {
  Json fields = Json::array();
  for (const FieldInfo& info : Catalogue()) {
    fields.push_back({
        {"control", info.control},
        {"symbol", info.symbol},
        {"caption", Say(FullCaptionText(info))},
        {"unit", Tr("Field", info.unit)},
        {"tip", info.tool_tip ? Tr("Field", info.tool_tip) : ""},
        {"role", RoleName(info.role)},
    });
  }
  Json texts = Json::object();
  for (const PageText& text : kPageTexts) {
    texts[text.key] = Tr(text.context, text.source);
  }
  Json steels = Json::array();
  for (const SteelGrade& grade : SteelGrades()) steels.push_back(grade.name);
  Json cores = Json::array();
  for (const CoreEntry& core : catalogue_.cores()) cores.push_back(core.name);
  Json order = Json::array();
  for (Field field : ReadingOrder()) order.push_back(ControlNumber(field));
  return Json{{"language", language()},
              {"fields", std::move(fields)},
              {"reading_order", std::move(order)},
              {"inputs", kInputCount},
              {"texts", std::move(texts)},
              {"steels", std::move(steels)},
              {"cores", std::move(cores)}}
      .dump();
}

std::string WebDesign::State() {
  Json fields = Json::array();
  for (const std::string& text : store_.texts()) fields.push_back(text);
  Json figures = Json::array();
  for (const std::string& figure : store_.design().figures) {
    figures.push_back(figure);
  }
  const SheetChoices& choices = store_.choices();
  Json extras = Json::array();
  for (const Secondary& extra : choices.secondaries.extras()) {
    extras.push_back({{"U", extra.voltage},
                      {"I", extra.current},
                      {"center_tap", extra.center_tap}});
  }
  Json messages = Json::array();
  for (const std::string& message : store_.messages()) {
    messages.push_back(Say(MessageText(message)));
  }
  store_.ClearMessages();
  for (std::string& notice : notices_) messages.push_back(std::move(notice));
  notices_.clear();
  const std::string status = store_.CaptionText(Caption::kStatus);
  return Json{{"fields", std::move(fields)},
              {"status", status.empty() ? "" : Say(MessageText(status))},
              {"figures", std::move(figures)},
              {"choices",
               {{"enamel_grade", choices.enamel_grade},
                {"steel", choices.steel},
                {"center_tap", choices.secondaries.main().center_tap},
                {"stack_mm", choices.stack_mm},
                {"extras", std::move(extras)}}},
              {"messages", std::move(messages)}}
      .dump();
}

std::string WebDesign::Type(int control, const std::string& text) {
  if (control >= 1 && control <= kFieldCount) {
    store_.SetText(FieldFromNumber(control), text);
  }
  return State();
}

std::string WebDesign::DoubleClick(int control) {
  if (control >= 1 && control <= kFieldCount) {
    OnFieldDoubleClicked(store_, FieldFromNumber(control));
  }
  return State();
}

std::string WebDesign::Press(const std::string& name) {
  if (const std::optional<DesignButton> button = DesignButtonByName(name)) {
    PressDesignButton(store_, store_.choices(), *button);
  } else {
    notices_.push_back("Spulix: " + name + "?");
  }
  return State();
}

CoreRecommendation WebDesign::Recommendation() const {
  // A cell not yet readable leaves its winding out rather than the answer.
  return RecommendCoreOrWhy(store_.texts(),
                            WithoutUnreadableExtras(store_.choices()).choices,
                            catalogue_.cores());
}

std::string WebDesign::Sheet() const {
  Json j;
  const CoreRecommendation recommendation = Recommendation();
  const std::optional<std::size_t> core = recommendation.core;
  const std::optional<std::string> name =
      core ? std::optional(catalogue_.cores()[*core].name) : std::nullopt;
  j["recommended"] = {
      {"name", name ? Json(*name) : Json()},
      {"text",
       RecommendedCoreText(name, translate_,
                           WithoutUnreadableExtras(store_.choices()).left_out,
                           recommendation.design_winds)}};
  const SheetOutcome outcome =
      ComputeWindingSheet(store_.texts(), store_.choices());
  if (const auto* reason = std::get_if<UserText>(&outcome)) {
    j["error"] = Say(Marked(
        "spulix::SheetWindow",
        SPULIX_TEXT("spulix::SheetWindow", "无法计算绕制单：%1"), {*reason}));
    return j.dump();
  }
  const WindingSheet& sheet = std::get<WindingSheet>(outcome);
  j["title"] = SheetTitle(sheet, translate_);
  j["rows"] = SheetWindingRows(sheet, translate_);
  j["verdict"] = CoilVerdictText(sheet, translate_);
  j["fits"] = sheet.fits;
  Json figures = Json::array();
  for (const auto& [caption, value] : SheetFigures(sheet, translate_)) {
    figures.push_back({caption, value});
  }
  j["figures"] = std::move(figures);
  Json wires = Json::array();
  for (const auto& row : WiresToBuyTexts(sheet, translate_)) {
    wires.push_back({row[0], row[1], row[2]});
  }
  j["wires"] = std::move(wires);
  Json notes = Json::array();
  for (const UserText& note : sheet.notes) notes.push_back(Say(note));
  j["notes"] = std::move(notes);
  return j.dump();
}

std::string WebDesign::UseRecommended() {
  const CoreRecommendation recommendation = Recommendation();
  if (recommendation.core) {
    UseCore(store_, catalogue_.cores()[*recommendation.core]);
  } else {
    notices_.push_back(RecommendedCoreText(std::nullopt, translate_, {},
                                           recommendation.design_winds));
  }
  return State();
}

std::optional<CoreEntry> WebDesign::CoreToRate(int core) const {
  if (core >= 0) {
    const auto index = static_cast<std::size_t>(core);
    if (index >= catalogue_.cores().size()) return std::nullopt;
    return catalogue_.cores()[index];
  }
  CoreEntry fields_core;
  fields_core.name =
      Tr(kRatingContext, SPULIX_TEXT("spulix::CoreRatingBox", "主窗口的铁心"));
  for (auto [field, mm] : {std::pair{Field::kWindowHeight, &fields_core.h_mm},
                           std::pair{Field::kWindowWidth, &fields_core.c_mm},
                           std::pair{Field::kTongueWidth, &fields_core.a_mm}}) {
    const std::optional<double> value = ReadStrictOrNone(store_.Text(field));
    if (!value || !(*value > 0)) return std::nullopt;
    *mm = *value;
  }
  return fields_core;
}

std::string WebDesign::RateCore(int core) const {
  const std::optional<CoreEntry> rated = CoreToRate(core);
  if (!rated) {
    return Json{
        {"answer", Tr(kRatingContext, SPULIX_TEXT("spulix::CoreRatingBox",
                                                  "主窗口还没有铁心"))},
        {"p2", nullptr},
        {"fits", false}}
        .dump();
  }
  const SheetChoices& choices = store_.choices();
  const CoreRating rating = spulix::RateCore(store_.texts(), choices, *rated);
  if (!rating.p2_w) {
    return Json{{"answer", Say(Marked(kRatingContext,
                                      SPULIX_TEXT("spulix::CoreRatingBox",
                                                  "没有能绕得下的功率：%1"),
                                      {rating.why_none}))},
                {"p2", nullptr},
                {"fits", false}}
        .dump();
  }
  const UserText stack =
      IsEmptyText(choices.stack_mm)
          ? Marked(kRatingContext,
                   SPULIX_TEXT("spulix::CoreRatingBox", "按计算迭厚"))
          : Marked(kRatingContext,
                   SPULIX_TEXT("spulix::CoreRatingBox", "实际迭厚 %1 毫米"),
                   {Verbatim(choices.stack_mm)});
  const UserText answer =
      Marked(kRatingContext,
             SPULIX_TEXT("spulix::CoreRatingBox", "最大输出功率 %1 瓦（%2）"),
             {Verbatim(std::to_string(*rating.p2_w)), stack});
  return Json{{"answer", Say(answer)}, {"p2", *rating.p2_w}, {"fits", true}}
      .dump();
}

std::string WebDesign::UseRating(int core) {
  const std::optional<CoreEntry> rated = CoreToRate(core);
  if (rated) {
    const CoreRating rating =
        spulix::RateCore(store_.texts(), store_.choices(), *rated);
    if (rating.p2_w) {
      if (core >= 0) FillCore(store_, *rated);
      // Typing P2 runs the calculation, as in the main window.
      store_.SetText(Field::kOutputPower, std::to_string(*rating.p2_w));
    }
  }
  return State();
}

std::string WebDesign::SetChoices(const std::string& json) {
  const Json j = Json::parse(json, nullptr, /*allow_exceptions=*/false);
  if (!j.is_object()) return State();
  SheetChoices choices = store_.choices();
  if (const auto it = j.find("enamel_grade");
      it != j.end() && it->is_number_integer()) {
    const int grade = it->get<int>();
    if (grade == 1 || grade == 2) choices.enamel_grade = grade;
  }
  if (const auto it = j.find("steel"); it != j.end() && it->is_string()) {
    if (const auto grade = FindSteelGrade(it->get<std::string>())) {
      choices.steel = SteelGrades()[*grade].name;
    }
  }
  if (const auto it = j.find("center_tap"); it != j.end() && it->is_boolean()) {
    choices.secondaries.main().center_tap = it->get<bool>();
  }
  if (const auto it = j.find("stack_mm"); it != j.end() && it->is_string()) {
    choices.stack_mm = it->get<std::string>();
  }
  if (const auto it = j.find("extras"); it != j.end() && it->is_array()) {
    std::vector<Secondary> extras;
    for (const Json& extra : *it) {
      if (!extra.is_object()) continue;
      extras.emplace_back(extra.value("U", std::string()),
                          extra.value("I", std::string()),
                          extra.value("center_tap", false));
    }
    choices.secondaries.SetExtras(std::move(extras));
  }
  store_.choices() = std::move(choices);
  return State();
}

std::string WebDesign::Open(const std::string& file_name, double size,
                            const std::string& bytes) {
  const auto refuse = [&](const DesignError& error) {
    notices_.push_back(Say(ErrorSentence(error, file_name, FileAction::kOpen)));
    return State();
  };
  if (!(size <= MaxFileBytes())) {
    DesignError error{DesignError::Kind::kTooLarge, ""};
    error.position = std::isfinite(size) && size > 0
                         ? static_cast<std::uint64_t>(size)
                         : kMaxDesignFileBytes + 1;
    return refuse(error);
  }
  DesignParse parse = ParseDesign(bytes);
  if (const auto* error = std::get_if<DesignError>(&parse)) {
    return refuse(*error);
  }
  store_.Restore(std::get<Design>(parse));
  file_name_ = file_name;
  return State();
}

std::string WebDesign::SaveName() const {
  if (file_name_) return *file_name_;
  // A new design is named after what it is: "220V-36V-250W.spulix".
  const FieldTexts& texts = store_.texts();
  const std::string& u1 = texts[Field::kInputVoltage];
  const std::string& u2 = texts[Field::kOutputVoltage];
  const std::string& p2 = texts[Field::kOutputPower];
  if (!u1.empty() && !u2.empty() && !p2.empty()) {
    return SafeFileName(u1 + "V-" + u2 + "V-" + p2 + "W") + kDesignSuffix;
  }
  return Tr("spulix::DesignFileCommands",
            SPULIX_TEXT("spulix::DesignFileCommands", "未命名.spulix"));
}

std::string WebDesign::Save() {
  const std::string name = SaveName();
  const std::string text =
      SerializeDesign(CaptureDesign(store_, store_.choices()));
  if (const std::optional<DesignError> error = CheckDesignSize(text)) {
    return Json{
        {"messages", {Say(ErrorSentence(*error, name, FileAction::kSave))}}}
        .dump();
  }
  return Json{{"file", name}, {"text", text}}.dump();
}

double WebDesign::MaxFileBytes() {
  return static_cast<double>(kMaxDesignFileBytes);
}

}  // namespace spulix
