// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/core_selection.h"

#include <algorithm>
#include <tuple>

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/memory_store.h"
#include "design/transformer_design.h"
#include "design/user_text.h"

namespace spulix {
namespace {

// The inputs a core's coil depends on, named for the user.
struct CoilInput {
  Field field;
  const char* name;
  bool required;  // must be given and above zero
};
constexpr CoilInput kCoilInputs[] = {
    {Field::kOutputPower, SPULIX_TEXT("CoreSelection", "输出功率 P2"), true},
    {Field::kInputVoltage, SPULIX_TEXT("CoreSelection", "输入电压 U1"), true},
    {Field::kOutputVoltage, SPULIX_TEXT("CoreSelection", "输出电压 U2"), true},
    {Field::kPrimaryOuterInsulation,
     SPULIX_TEXT("CoreSelection", "初级外层绝缘 r1"), false},
    {Field::kPrimaryInterlayerInsulation,
     SPULIX_TEXT("CoreSelection", "初级层间绝缘 f1"), false},
    {Field::kSecondaryOuterInsulation,
     SPULIX_TEXT("CoreSelection", "次级外层绝缘 r2"), false},
    {Field::kSecondaryInterlayerInsulation,
     SPULIX_TEXT("CoreSelection", "次级层间绝缘 f2"), false},
};

constexpr TextContext kCoreSelectionTexts{"CoreSelection"};

// The rated power the calculation derives from a positive P2, read as it
// reads it: P1 from the lenient reading, P from the whole P1 and strict P2.
double RatedPower(const FieldTexts& design) {
  const std::string& p2 = design[Field::kOutputPower];
  try {
    const double p1 =
        InputPowerFor(ReadLenient(p2), *EfficiencyFor(ReadStrict(p2)));
    return RatedPowerFor(p1, ReadStrict(p2));
  } catch (const FieldFailure&) {
    return 0;  // beyond every range: no coefficient either
  }
}

// What keeps the design from giving a coil thickness, found without
// calculating.
std::vector<UserText> MissingInputs(const FieldTexts& design) {
  std::vector<UserText> problems;
  for (const CoilInput& input : kCoilInputs) {
    const std::string& text = design[input.field];
    const UserText name = kCoreSelectionTexts.Say(input.name);
    if (IsEmptyText(text)) {
      if (input.required) {
        problems.push_back(kCoreSelectionTexts.Say(
            SPULIX_TEXT("CoreSelection", "缺少%1"), {name}));
      }
      continue;
    }
    double value = 0;
    try {
      value = ReadStrict(text);
    } catch (const TypeMismatch&) {
      problems.push_back(kCoreSelectionTexts.Say(
          SPULIX_TEXT("CoreSelection", "%1“%2”不是数字"),
          {name, Verbatim(text)}));
      continue;
    } catch (const ArithmeticFault&) {
      problems.push_back(kCoreSelectionTexts.Say(
          SPULIX_TEXT("CoreSelection", "%1“%2”超出范围"),
          {name, Verbatim(text)}));
      continue;
    }
    if (input.required && !(value > 0)) {
      problems.push_back(kCoreSelectionTexts.Say(
          SPULIX_TEXT("CoreSelection", "%1 必须大于 0"), {name}));
    }
  }
  if (problems.empty() && !CoefficientFor(RatedPower(design))) {
    problems.push_back(kCoreSelectionTexts.Say(SPULIX_TEXT(
        "CoreSelection", "额定功率 P 超过 1000 瓦，无法确定铁心截面积")));
  }
  return problems;
}

// Runs one core on the store; returns why it gave no result, if it did not.
std::optional<UserText> Evaluate(MemoryStore& store, const FieldTexts& design,
                                 const CoreEntry& core, CoreResult& result) {
  if (auto failure = TryCore(store, design, core)) return failure;
  const std::string coil = store.Text(Field::kCoilThickness);
  const double coil_mm = ReadStrict(coil);  // TryCore has read it
  result.coil_thickness = coil;
  result.margin_mm = core.c_mm - coil_mm;
  const std::string_view verdict = FitVerdict(store);
  result.verdict = verdict == kFitOk         ? CoreVerdict::kFits
                   : verdict == kFitTooThick ? CoreVerdict::kTooThick
                   : verdict == kFitExact    ? CoreVerdict::kExact
                                             : CoreVerdict::kUnknown;
  return std::nullopt;
}

}  // namespace

std::optional<UserText> TryCore(MemoryStore& store, const FieldTexts& design,
                                const CoreEntry& core) {
  store.LoadTexts(design);
  store.ClearMessages();
  FillCore(store, core);
  // H is only ever written by the calculation, never read before: emptying
  // it first tells a run that stopped early from one that wrote H.
  store.SetText(Field::kCoilThickness, "");
  CalculateDesign(store);
  if (!store.messages().empty()) {
    return CalculationNotice(store.messages());
  }
  if (store.Text(Field::kOutputPower) != design[Field::kOutputPower]) {
    return kCoreSelectionTexts.Say(
        SPULIX_TEXT("CoreSelection", "计算清空了输出功率 P2"));
  }
  try {
    ReadField(store, Field::kCoilThickness);
  } catch (const FieldFailure&) {
    return kCoreSelectionTexts.Say(SPULIX_TEXT(
        "CoreSelection", "计算中途停止（数值超出范围），没有得出线包厚度 H"));
  }
  return std::nullopt;
}

std::vector<std::size_t> SmallestFitOrder(const std::vector<CoreEntry>& cores) {
  std::vector<std::size_t> order(cores.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  const auto rank = [&cores](std::size_t k) {
    return std::make_tuple(cores[k].a_mm, cores[k].c_mm * cores[k].h_mm, k);
  };
  std::ranges::sort(order, {}, rank);
  return order;
}

void FillCore(FieldStore& store, const CoreEntry& core) {
  store.SetText(Field::kWindowHeight, DimensionText(core.h_mm));
  store.SetText(Field::kWindowWidth, DimensionText(core.c_mm));
  store.SetText(Field::kTongueWidth, DimensionText(core.a_mm));
}

void UseCore(FieldStore& store, const CoreEntry& core) {
  FillCore(store, core);
  CalculateDesign(store);
}

CoreSelection SelectCore(const FieldTexts& design,
                         const std::vector<CoreEntry>& cores) {
  CoreSelection selection;
  selection.results.resize(cores.size());
  selection.problems = MissingInputs(design);
  if (!selection.usable()) return selection;

  MemoryStore store;
  std::optional<UserText> first_failure;
  bool any_result = false;
  for (std::size_t i = 0; i < cores.size(); ++i) {
    CoreResult& result = selection.results[i];
    if (auto failure = Evaluate(store, design, cores[i], result)) {
      result = CoreResult{};
      if (!first_failure) first_failure = std::move(failure);
      continue;
    }
    any_result = true;
  }
  for (std::size_t i : SmallestFitOrder(cores)) {
    if (selection.results[i].fits()) {
      selection.smallest_fit = i;
      break;
    }
  }
  if (!any_result && first_failure) {
    selection.problems.push_back(*first_failure);
  }
  return selection;
}

const char* CoreVerdictText(CoreVerdict verdict) {
  switch (verdict) {
    case CoreVerdict::kFits:
      return SPULIX_TEXT("CoreSelection", "可用");
    case CoreVerdict::kTooThick:
      return SPULIX_TEXT("CoreSelection", "不可用");
    case CoreVerdict::kExact:
      return SPULIX_TEXT("CoreSelection", "慎用");
    case CoreVerdict::kUnknown:
      break;
  }
  return "—";
}

}  // namespace spulix
