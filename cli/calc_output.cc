// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calc_output.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "cli/sheet_output.h"
#include "cli/text_table.h"
#include "design/design_calculation.h"
#include "design/parts/core_selection.h"
#include "design/parts/wire_table.h"
#include "design/sheet/core_search.h"
#include "design/sheet/stale_results.h"
#include "design/sheet/winding_sheet.h"
#include "design/transformer_design.h"
#include "present/core_rows.h"
#include "present/english_text.h"
#include "present/json_number.h"
#include "present/sheet_json.h"
#include "present/wire_text.h"

namespace spulix {
namespace {

constexpr Caption kLabels[] = {Caption::kStatus, Caption::kWidthFigure,
                               Caption::kTongueFigure, Caption::kHeightFigure};

std::string LabelName(Caption caption) {
  return "Label" + std::to_string(static_cast<int>(caption));
}

// A text of the tool's own, in the output's language.
std::string Tr(const Translate& translate, const char* source) {
  return Translated(translate, "CalcTool", source);
}

constexpr TextContext kCalcToolTexts{"CalcTool"};

std::string Table(const MemoryStore& store, const Translate& translate) {
  std::vector<std::vector<std::string>> rows;
  rows.push_back({Tr(translate, SPULIX_TEXT("CalcTool", "控件")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "符号")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "名称")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "文本")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "单位"))});
  for (Field field : ReadingOrder()) {
    const FieldInfo& info = InfoOf(field);
    rows.push_back(
        {info.control, info.symbol, Compose(FullCaptionText(info), translate),
         store.Text(field), Translated(translate, "Field", info.unit)});
  }
  std::string out = Aligned(rows);
  out += "\n";
  const auto label = [](Caption caption) {
    return Verbatim(LabelName(caption));
  };
  const auto figure = [&store](Caption caption) {
    return Verbatim(store.CaptionText(caption));
  };
  out += Compose(kCalcToolTexts.Say(
                     SPULIX_TEXT("CalcTool", "状态栏 %1: %2"),
                     {label(Caption::kStatus),
                      MessageText(store.CaptionText(Caption::kStatus))}),
                 translate) +
         "\n";
  out +=
      Compose(
          kCalcToolTexts.Say(
              SPULIX_TEXT("CalcTool", "铁心图 c %1: %2   a %3: %4   h %5: %6"),
              {label(Caption::kWidthFigure), figure(Caption::kWidthFigure),
               label(Caption::kTongueFigure), figure(Caption::kTongueFigure),
               label(Caption::kHeightFigure), figure(Caption::kHeightFigure)}),
          translate) +
      "\n";
  return out;
}

std::string CoresText(const CoreCatalogue& catalogue,
                      const CoreSelection& selection,
                      const SheetCoreSelection& builds,
                      const Translate& translate) {
  std::string out = "\n";
  if (selection.usable()) {
    out += Tr(translate, SPULIX_TEXT("CalcTool", "铁心选型"));
  } else {
    const UserText problems = Joined(
        selection.problems, kCalcToolTexts.Say(SPULIX_TEXT("CalcTool", "；")));
    out += Compose(
        kCalcToolTexts.Say(SPULIX_TEXT("CalcTool", "铁心选型：无法判断（%1）"),
                           {problems}),
        translate);
  }
  out += "\n";
  const auto verdict_text = [&translate](const char* verdict) {
    return Translated(translate, "CoreSelection", verdict);
  };
  const std::string smallest =
      Tr(translate, SPULIX_TEXT("CalcTool", " *最小可用"));
  std::vector<std::vector<std::string>> rows;
  rows.push_back({Tr(translate, SPULIX_TEXT("CalcTool", "型号")), "a", "c", "h",
                  "H", "c-H", Tr(translate, SPULIX_TEXT("CalcTool", "结论")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "实绕")), "b/a",
                  Tr(translate, SPULIX_TEXT("CalcTool", "实绕结论"))});
  for (std::size_t i = 0; i < catalogue.cores().size(); ++i) {
    const CoreRow row = CoreRowOf(catalogue, selection, builds, i);
    std::string verdict = verdict_text(CoreVerdictText(row.verdict));
    if (row.smallest_fit) verdict += smallest;
    std::string build_verdict =
        verdict_text(CoreVerdictText(!row.builds   ? CoreVerdict::kUnknown
                                     : *row.builds ? CoreVerdict::kFits
                                                   : CoreVerdict::kTooThick));
    if (row.stack_too_tall) {
      build_verdict += Compose(
          kCalcToolTexts.Say(SPULIX_TEXT("CalcTool", "（%1）"),
                             {Marked("CoreSelection", kStackTooTallText)}),
          translate);
    }
    if (row.smallest_buildable) build_verdict += smallest;
    rows.push_back({row.core->name, row.a, row.c, row.h, row.coil, row.margin,
                    verdict, row.sheet_coil, row.stack_ratio, build_verdict});
  }
  out += Aligned(rows);
  if (selection.usable()) {
    const auto name = [&catalogue](std::optional<std::size_t> core) {
      return core ? Verbatim(catalogue.cores()[*core].name)
                  : kCalcToolTexts.Say(SPULIX_TEXT("CalcTool", "无"));
    };
    out +=
        Compose(kCalcToolTexts.Say(SPULIX_TEXT("CalcTool", "最小可用铁心：%1"),
                                   {name(selection.smallest_fit)}),
                translate) +
        "\n";
    out += Compose(kCalcToolTexts.Say(
                       SPULIX_TEXT("CalcTool", "实绕最小可用铁心：%1"),
                       {name(builds.smallest_buildable)}),
                   translate) +
           "\n";
  }
  return out;
}

constexpr Field kWireFields[] = {Field::kPrimaryWireDiameter,
                                 Field::kSecondaryWireDiameter};

nlohmann::ordered_json OptionalNumber(const std::optional<double>& value) {
  return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
}

nlohmann::ordered_json WiresJson(const MemoryStore& store) {
  nlohmann::ordered_json wires = nlohmann::ordered_json::object();
  for (Field field : kWireFields) {
    const std::string text = store.Text(field);
    nlohmann::ordered_json entry;  // null where the field holds no number
    try {
      ReadStrict(text);
      entry["d"] = text;
      entry["nominal_mm"] = nullptr;
      entry["grade1_max_mm"] = nullptr;
      entry["grade2_max_mm"] = nullptr;
      entry["grade1_bound_mm"] = nullptr;
      entry["grade2_bound_mm"] = nullptr;
      if (auto next = NextStandardWire(text)) {
        const StandardWire& wire = StandardWires()[*next];
        entry["nominal_mm"] = wire.nominal_mm;
        entry["grade1_max_mm"] = OptionalNumber(wire.grade1_max_mm);
        entry["grade2_max_mm"] = OptionalNumber(wire.grade2_max_mm);
        // Where the size has no value, the next known size's as a bound.
        for (int grade : {1, 2}) {
          const auto overall = OverallDiameterOf(*next, grade);
          if (overall && overall->is_bound) {
            entry[grade == 1 ? "grade1_bound_mm" : "grade2_bound_mm"] =
                overall->mm;
          }
        }
      }
    } catch (const FieldFailure&) {
      entry = nullptr;
    }
    wires[InfoOf(field).symbol] = std::move(entry);
  }
  return wires;
}

std::string WiresText(const MemoryStore& store, const Translate& translate) {
  std::vector<std::vector<std::string>> rows;
  rows.push_back({Tr(translate, SPULIX_TEXT("CalcTool", "符号")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "线径")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "标准线径")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "一级漆膜最大外径")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "二级漆膜最大外径")),
                  Tr(translate, SPULIX_TEXT("CalcTool", "截面积"))});
  // "≤0.989" where the size has no value of its own.
  const auto overall = [&translate](std::size_t wire, int grade) {
    return OverallDiameterText(wire, grade)
        .value_or(Tr(translate, SPULIX_TEXT("CalcTool", "未知")));
  };
  for (Field field : kWireFields) {
    const std::string text = store.Text(field);
    std::vector<std::string> row = {InfoOf(field).symbol, text};
    if (auto next = NextStandardWire(text)) {
      const StandardWire& wire = StandardWires()[*next];
      row.insert(row.end(),
                 {wire.nominal_text, overall(*next, 1), overall(*next, 2),
                  FormatGeneral(std::round(wire.AreaMm2() * 1e4) / 1e4)});
    } else {
      row.push_back(Tr(translate, SPULIX_TEXT("CalcTool", "无")));
    }
    rows.push_back(std::move(row));
  }
  // Appended piece by piece: GCC 12 at -O3 warns, falsely (-Wrestrict),
  // about a literal plus a temporary string.
  std::string out = "\n";
  out += Tr(translate,
            SPULIX_TEXT("CalcTool", "标准漆包线（毫米，截面积为平方毫米）"));
  out += "\n";
  out += Aligned(rows);
  return out;
}

nlohmann::ordered_json RatingJson(const std::string& stack_mm,
                                  const CoreRating& rating) {
  nlohmann::ordered_json json;
  json["stack_mm"] = JsonNumber(ReadStrict(stack_mm));
  json["p2_w"] = rating.p2_w ? nlohmann::ordered_json(*rating.p2_w)
                             : nlohmann::ordered_json();
  json["reason"] = rating.p2_w
                       ? nlohmann::ordered_json()
                       : nlohmann::ordered_json(Compose(rating.why_none));
  return json;
}

std::string RatingText(const std::string& stack_mm, const CoreRating& rating,
                       const Translate& translate) {
  const UserText answer =
      rating.p2_w
          ? kCalcToolTexts.Say(SPULIX_TEXT("CalcTool", "最大输出功率 %1 瓦"),
                               {Verbatim(std::to_string(*rating.p2_w))})
          : kCalcToolTexts.Say(
                SPULIX_TEXT("CalcTool", "没有能绕得下的功率（%1）"),
                {rating.why_none});
  std::string out = "\n";
  out += Compose(
      kCalcToolTexts.Say(
          SPULIX_TEXT("CalcTool", "这个铁心能做多大（实际迭厚 %1 毫米）：%2"),
          {Verbatim(stack_mm), answer}),
      translate);
  out += "\n";
  return out;
}

}  // namespace

std::string RenderOutput(const MemoryStore& store, const Options& options,
                         const CoreCatalogue& catalogue,
                         const std::optional<CoreRating>& rating) {
  const FieldTexts& design = store.texts();
  const SheetChoices& choices = store.choices();
  std::optional<CoreSelection> selection;
  std::optional<SheetCoreSelection> builds;
  if (options.cores) {
    selection = SelectCore(design, catalogue.cores());
    builds = JudgeCoresBySheet(design, choices, catalogue.cores());
  }
  std::optional<SheetOutcome> sheet;
  std::optional<std::string> recommended;
  bool design_winds = true;
  bool stale = false;
  if (options.sheet) {
    sheet = ComputeWindingSheet(design, choices);
    stale = ResultsAreStale(design);
    const CoreRecommendation recommendation =
        builds
            ? CoreRecommendation{builds->smallest_buildable, builds->some_sheet}
            : RecommendCoreOrWhy(design, choices, catalogue.cores());
    if (recommendation.core) {
      recommended = catalogue.cores()[*recommendation.core].name;
    }
    design_winds = recommendation.design_winds;
  }
  const auto core_name = [&catalogue](std::optional<std::size_t> index) {
    return index ? nlohmann::ordered_json(catalogue.cores()[*index].name)
                 : nlohmann::ordered_json();
  };
  if (options.json) {
    nlohmann::ordered_json document;
    document["messages"] = store.messages();
    nlohmann::ordered_json fields = nlohmann::ordered_json::object();
    for (const FieldInfo& info : Catalogue()) {
      fields[info.control] = store.Text(info.field);
    }
    document["fields"] = std::move(fields);
    nlohmann::ordered_json labels = nlohmann::ordered_json::object();
    for (Caption caption : kLabels) {
      labels[LabelName(caption)] = store.CaptionText(caption);
    }
    document["labels"] = std::move(labels);
    if (selection) {
      document["cores"] = CoresJson(catalogue, *selection, *builds);
      document["smallest_fit"] = core_name(selection->smallest_fit);
      document["smallest_buildable"] = core_name(builds->smallest_buildable);
    }
    if (options.wires) document["wires"] = WiresJson(store);
    if (rating) {
      document["rating"] = RatingJson(*options.rate_stack_mm, *rating);
    }
    if (sheet) document["sheet"] = SheetJson(*sheet, recommended, stale);
    return document.dump() + "\n";
  }
  const Translate translate = OutputLanguage(options);
  std::string out;
  for (const std::string& message : store.messages()) {
    out += Compose(kCalcToolTexts.Say(SPULIX_TEXT("CalcTool", "消息: %1"),
                                      {MessageText(message)}),
                   translate) +
           "\n";
  }
  if (!store.messages().empty()) out += "\n";
  out += Table(store, translate);
  if (selection) out += CoresText(catalogue, *selection, *builds, translate);
  if (options.wires) out += WiresText(store, translate);
  if (rating) out += RatingText(*options.rate_stack_mm, *rating, translate);
  if (sheet) {
    out += SheetText(*sheet, recommended, translate, stale, design_winds);
  }
  return out;
}

}  // namespace spulix
