// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/sheet/winding_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <span>
#include <utility>

#include "design/design_calculation.h"
#include "design/memory_store.h"
#include "design/parts/steel_grades.h"
#include "design/parts/wire_table.h"
#include "design/sheet/dc_winding.h"
#include "design/sheet/extra_secondaries.h"
#include "design/sheet/full_load_turns.h"
#include "design/sheet/running_figures.h"
#include "design/sheet/sheet_numbers.h"
#include "design/sheet/sheet_wires.h"
#include "design/transformer_design.h"
#include "design/user_text.h"

namespace spulix {
namespace {

using F = Field;

using sheet::CalculatedNumber;
using sheet::CannotCompute;
using sheet::ChooseWire;
using sheet::Count;
using sheet::Electrical;
using sheet::ExtraValues;
using sheet::Figure;
using sheet::GradeName;
using sheet::Input;
using sheet::kWindingSheetTexts;
using sheet::Named;
using sheet::Need;
using sheet::Number;
using sheet::OutOfRange;
using sheet::Quantity;
using sheet::ReadExtras;
using sheet::SecondaryTurns;
using sheet::Source;
using sheet::Stop;
using sheet::StopAtPowerLimit;
using sheet::Turns;
using sheet::WireChoice;
using sheet::WireDiameterForLoad;

// Copper (IEC 60028, annealed): resistivity at 20 °C, temperature
// coefficient, density; windings are rated at 75 °C.
constexpr double kCopperResistivityOhmMm2PerM = 0.017241;
constexpr double kCopperTemperatureCoefficient = 0.00393;  // per K
constexpr double kHotRiseK = 75 - 20;
constexpr double kCopperDensityGPerCm3 = 8.89;
constexpr double kSteelDensityGPerCm3 = 7.65;
constexpr double kMainsHz = 50;
constexpr double kEmfFactor = 4.44;  // 2π/√2 as the handbooks round it
constexpr double kCm2PerM2 = 1e4;
// The grade's guaranteed loss is stated at this flux density.
constexpr double kGradeFluxT = 1.5;
// Each lead of a winding, in metres of its wire.
constexpr double kLeadM = 0.15;
// Keeps a value that lies exactly on a boundary (a full layer, a fuse
// rating) from falling past it through rounding.
constexpr double kSlack = 1e-9;
// Time-lag primary fuse: rated at this multiple of the load current, to
// ride through the inrush, from the miniature fuse ratings (IEC 60127).
constexpr double kFuseFactor = 1.5;
constexpr double kFuseRatingsA[] = {
    0.1, 0.125, 0.16, 0.2,  0.25, 0.315, 0.4, 0.5, 0.63, 0.8,  1,  1.25,
    1.6, 2,     2.5,  3.15, 4,    5,     6.3, 8,   10,   12.5, 16, 20};

// is chosen.
struct WindingPlan {
  std::size_t index = 0;  // in the sheet, primary 0
  double voltage_v = 0;
  double current_a = 0;
  int turns = 0;
  bool center_tapped = false;
  std::string d;
  Field outer = F::kSecondaryOuterInsulation;
  Field interlayer = F::kSecondaryInterlayerInsulation;
};

class SheetBuilder {
 public:
  SheetBuilder(const FieldTexts& design, const SheetChoices& choices,
               std::span<const int> secondary_turns, SheetDetail detail)
      : design_(design),
        choices_(choices),
        secondary_turns_(secondary_turns),
        full_(detail == SheetDetail::kFull) {}

  WindingSheet Build();

 private:
  void ReadDesign();
  std::vector<WindingPlan> PlanWindings(const FieldTexts& design);
  void WindAll(const std::vector<WindingPlan>& plans);
  void FitTheCoil();
  void RunTransformer(const FieldTexts& design);
  // Replaces the calculated stack by the one built, with the section and
  // turns that follow from it, as the calculation would count them.
  void WindOnStackAsBuilt(FieldTexts& electrical);
  void NoteTheStack();

  const FieldTexts& design_;
  const SheetChoices& choices_;
  std::span<const int> secondary_turns_;  // by secondary; 0 keeps the count
  bool full_ = true;  // else the coil alone: no running figures, no notes
  WindingSheet sheet_;
  double u1_ = 0;
  double u2_ = 0;
  double p2_ = 0;
  std::array<double, kFieldCount + 1> insulation_{};  // by control number
  double loss_factor_ = 0;                            // W/kg at 1.5 T
};

WindingSheet SheetBuilder::Build() {
  ReadDesign();
  const std::vector<ExtraValues> extras = ReadExtras(choices_);
  // The design recalculated for the total output power of every winding.
  FieldTexts electrical = Electrical(design_, extras);
  const double p = CalculatedNumber(electrical, F::kRatedPower);
  if (!CoefficientFor(p)) {
    Stop(kWindingSheetTexts.Say(SPULIX_TEXT(
        "WindingSheet", "额定功率 P 超过 1000 瓦，无法确定铁心截面积")));
  }
  sheet_.section_cm2 = CalculatedNumber(electrical, F::kCoreSection);
  sheet_.b_mm = CalculatedNumber(electrical, F::kStackThickness);
  sheet_.calculated_b_mm = sheet_.b_mm;
  if (!IsEmptyText(choices_.stack_mm)) WindOnStackAsBuilt(electrical);
  // A window too low for one turn is named with the winding below.
  sheet_.effective_height_mm =
      CalculatedNumber(electrical, F::kEffectiveHeight, Need::kAnyNumber);
  std::vector<WindingPlan> plans = PlanWindings(electrical);
  for (std::size_t k = 0; k < extras.size(); ++k) {
    const Secondary& extra = choices_.secondaries.extras()[k];
    WindingPlan plan;
    plan.index = k + 2;
    plan.voltage_v = extras[k].voltage_v;
    plan.current_a = extras[k].current_a;
    plan.center_tapped = extra.center_tap;
    plan.turns = SecondaryTurns(CalculatedNumber(electrical, F::kTurnsPerVolt),
                                plan.voltage_v, plan.center_tapped);
    plan.d = WireDiameterForLoad(plan.current_a);
    plans.push_back(std::move(plan));
  }
  for (WindingPlan& plan : plans) {
    const std::size_t secondary = plan.index - 1;
    if (plan.index > 0 && secondary < secondary_turns_.size() &&
        secondary_turns_[secondary] > 0) {
      plan.turns = secondary_turns_[secondary];
    }
    if (plan.turns < 1) {
      Stop(kWindingSheetTexts.Say(
          SPULIX_TEXT("WindingSheet", "%1：匝数为 0，电压太低"),
          {WindingName(plan.index)}));
    }
  }
  WindAll(plans);
  if (!full_) {
    FitTheCoil();
    return std::move(sheet_);
  }
  RunTransformer(electrical);
  NoteTheStack();
  return std::move(sheet_);
}

void SheetBuilder::WindOnStackAsBuilt(FieldTexts& electrical) {
  const double built = Number(
      choices_.stack_mm,
      [] {
        return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "实际迭厚"));
      },
      Source::kTyped, Need::kPositive);
  sheet_.b_mm = built;
  sheet_.stack_as_built = true;
  sheet_.section_cm2 =
      constants::kStackingCoefficient * sheet_.a_mm * built / 100;
  try {
    // N0 as the field would hold it, then read back, as the main window
    // counts its turns.
    const std::string n0_text = FormatPattern(
        Div(constants::kTurnsPerVoltNumerator,
            Mul(sheet_.section_cm2, constants::kFluxDensityGauss)),
        Pattern::kTwoDecimals);
    const double n0 = ReadStrict(n0_text);
    const int primary =
        RoundToInt16(Mul(n0, u1_)) + constants::kExtraPrimaryTurns;
    if (primary > 32767) {
      Stop(OutOfRange(kWindingSheetTexts.Say(
          SPULIX_TEXT("WindingSheet", "初级匝数（%1）"), {Figure(primary)})));
    }
    electrical[F::kTurnsPerVolt] = n0_text;
    electrical[F::kPrimaryTurns] = std::to_string(primary);
    electrical[F::kSecondaryTurns] =
        std::to_string(SecondaryTurnsFor(n0, u2_, false));
  } catch (const FieldFailure&) {
    Stop(OutOfRange(kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet", "实际迭厚 %1 毫米的匝数"),
        {Verbatim(FormatGeneral(built))})));
  }
}

void SheetBuilder::NoteTheStack() {
  if (sheet_.stack_as_built) {
    sheet_.notes.push_back(kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet",
                    "匝数按实际迭厚 %1 毫米（截面积 %2 平方厘米）计算，与主窗口"
                    "按计算迭厚 %3 毫米得出的匝数不同"),
        {Verbatim(FormatGeneral(sheet_.b_mm)),
         Verbatim(FormatPattern(sheet_.section_cm2, Pattern::kTwoDecimals)),
         Verbatim(FormatGeneral(sheet_.calculated_b_mm))}));
  }
  if (!sheet_.StackFitsBobbin()) {
    sheet_.notes.push_back(kWindingSheetTexts.Say(
        SPULIX_TEXT(
            "WindingSheet",
            "迭厚 %1 毫米超过舌宽 %2 毫米的 2 倍，这样高的骨架少见：宜选"
            "舌宽更大的铁心"),
        {Verbatim(FormatPattern(sheet_.b_mm, Pattern::kTwoDecimals)),
         Verbatim(FormatGeneral(sheet_.a_mm))}));
  }
}

void SheetBuilder::ReadDesign() {
  u1_ = Input(design_, F::kInputVoltage);
  u2_ = Input(design_, F::kOutputVoltage);
  if (IsEmptyText(design_[F::kOutputPower])) StopAtPowerLimit(design_);
  p2_ = Input(design_, F::kOutputPower);
  const Field core[] = {F::kWindowHeight, F::kWindowWidth, F::kTongueWidth};
  if (std::ranges::all_of(
          core, [this](Field field) { return IsEmptyText(design_[field]); })) {
    Stop(kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet", "还没有铁心：请先选用铁心或输入 h、c、a")));
  }
  sheet_.h_mm = Input(design_, F::kWindowHeight);
  sheet_.c_mm = Input(design_, F::kWindowWidth);
  sheet_.a_mm = Input(design_, F::kTongueWidth);

  std::vector<UserText> empty;
  for (Field field :
       {F::kPrimaryOuterInsulation, F::kPrimaryInterlayerInsulation,
        F::kSecondaryOuterInsulation, F::kSecondaryInterlayerInsulation}) {
    const std::string& text = design_[field];
    if (IsEmptyText(text)) {
      empty.push_back(Named(field));
      insulation_[ControlNumber(field)] = 0;
    } else {
      insulation_[ControlNumber(field)] =
          Input(design_, field, Need::kNotNegative);
    }
  }
  if (!empty.empty() && full_) {
    sheet_.notes.push_back(kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet",
                    "未填的绝缘按 0 计：%1（常用值：层间约 0.05 毫米聚酯薄膜，"
                    "绕组外 0.1～0.2 毫米绝缘纸或薄膜，据常见的小型变压器"
                    "绕制资料）"),
        {Joined(empty,
                kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "、")))}));
  }

  if (choices_.enamel_grade != 1 && choices_.enamel_grade != 2) {
    Stop(kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet", "漆膜等级只能是一级或二级")));
  }
  const std::optional<std::size_t> steel = FindSteelGrade(choices_.steel);
  if (!steel) {
    Stop(kWindingSheetTexts.Say(
        SPULIX_TEXT("WindingSheet", "没有硅钢片牌号“%1”"),
        {Verbatim(choices_.steel)}));
  }
  sheet_.enamel_grade = choices_.enamel_grade;
  sheet_.steel = SteelGrades()[*steel].name;
  loss_factor_ = SteelGrades()[*steel].loss_w_per_kg;
}

std::vector<WindingPlan> SheetBuilder::PlanWindings(const FieldTexts& design) {
  WindingPlan primary;
  primary.voltage_v = u1_;
  primary.current_a = CalculatedNumber(design, F::kInputPower) / u1_;
  primary.turns = Turns(design, F::kPrimaryTurns);
  primary.d = design[F::kPrimaryWireDiameter];
  primary.outer = F::kPrimaryOuterInsulation;
  primary.interlayer = F::kPrimaryInterlayerInsulation;

  WindingPlan secondary;
  secondary.index = 1;
  secondary.voltage_v = u2_;
  secondary.current_a = p2_ / u2_;
  secondary.center_tapped = choices_.secondaries.main().center_tap;
  secondary.turns =
      secondary.center_tapped
          ? SecondaryTurns(CalculatedNumber(design, F::kTurnsPerVolt), u2_,
                           true)
          : Turns(design, F::kSecondaryTurns);
  // The main secondary keeps a diameter the user typed.
  secondary.d = design_[F::kSecondaryWireDiameter];
  return {std::move(primary), std::move(secondary)};
}

void SheetBuilder::WindAll(const std::vector<WindingPlan>& plans) {
  const std::vector<StandardWire>& wires = StandardWires();
  std::map<std::size_t, UserText> bound_notes;
  double wound = 0;  // thickness of the windings already on the bobbin
  for (const WindingPlan& plan : plans) {
    SheetWinding w;
    const UserText name = WindingName(plan.index);
    w.name = Compose(name);
    w.voltage_v = plan.voltage_v;
    w.current_a = plan.current_a;
    w.turns = plan.turns;
    if (plan.center_tapped) w.tap = plan.turns / 2;
    w.d = plan.d;
    const WireChoice choice = ChooseWire(name, plan.d);
    w.wire = choice.wire;
    w.strands = choice.strands;
    w.wire_mm = wires[w.wire].nominal_mm;
    const std::optional<OverallDiameter> overall =
        OverallDiameterOf(w.wire, choices_.enamel_grade);
    if (!overall) {
      Stop(kWindingSheetTexts.Say(
          SPULIX_TEXT("WindingSheet", "%1：漆包线 %2 没有外径数据"),
          {name, Verbatim(wires[w.wire].nominal_text)}));
    }
    w.overall_mm = overall->mm;
    w.overall_is_bound = overall->is_bound;
    if (overall->is_bound && full_) {
      bound_notes.emplace(
          w.wire,
          kWindingSheetTexts.Say(
              SPULIX_TEXT("WindingSheet",
                          "漆包线 %1 没有外径数据，按下一规格 %2 "
                          "的%3漆膜最大外径 %4 计（上限）"),
              {Verbatim(wires[w.wire].nominal_text),
               Verbatim(wires[overall->source].nominal_text),
               GradeName(choices_.enamel_grade), Verbatim(overall->text)}));
    }
    if (w.strands > 1 && full_) {
      sheet_.notes.push_back(kWindingSheetTexts.Say(
          SPULIX_TEXT("WindingSheet",
                      "%1：线径 %2 超过最大规格 %3，用 %4 股 %5 并绕"),
          {name, Verbatim(plan.d), Verbatim(wires.back().nominal_text),
           Figure(w.strands), Verbatim(wires[w.wire].nominal_text)}));
    }

    w.turns_per_layer = Count(
        std::floor(sheet_.effective_height_mm / (w.strands * w.overall_mm) +
                   kSlack),
        kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "%1每层匝数"),
                               {name}));
    if (w.turns_per_layer < 1) {
      Stop(kWindingSheetTexts.Say(
          SPULIX_TEXT("WindingSheet",
                      "%1：窗口有效高度 h' 太低，一层绕不下一匝"),
          {name}));
    }
    w.layers = (w.turns + w.turns_per_layer - 1) / w.turns_per_layer;
    w.last_layer_turns = w.turns - (w.layers - 1) * w.turns_per_layer;
    w.interlayer_mm = insulation_[ControlNumber(plan.interlayer)];
    w.outer_mm = insulation_[ControlNumber(plan.outer)];
    w.thickness_mm =
        w.layers * w.overall_mm + (w.layers - 1) * w.interlayer_mm + w.outer_mm;
    // The tube around the tongue has square corners; each winding rounds
    // them at the height of its middle.
    const double middle = wound + w.thickness_mm / 2;
    w.mlt_mm = 2 * (sheet_.a_mm + sheet_.b_mm) + 8 * constants::kBobbinWallMm +
               2 * std::numbers::pi * middle;
    wound += w.thickness_mm;
    const int leads = plan.center_tapped ? 3 : 2;
    w.length_m = w.turns * w.mlt_mm / 1000 + kLeadM * leads;
    const double copper_mm2 = w.strands * wires[w.wire].AreaMm2();
    // 1 m of 1 mm² is 1 cm³.
    w.mass_g = kCopperDensityGPerCm3 * w.length_m * copper_mm2;
    w.r20_ohm = kCopperResistivityOhmMm2PerM * w.length_m / copper_mm2;
    w.r75_ohm = w.r20_ohm * (1 + kCopperTemperatureCoefficient * kHotRiseK);
    w.loss_w = CopperLoss(w.current_a, w.r75_ohm);
    sheet_.windings.push_back(std::move(w));
  }
  for (auto& [wire, note] : bound_notes) sheet_.notes.push_back(note);
  sheet_.build_mm = constants::kBobbinWallMm + wound;
}

void SheetBuilder::FitTheCoil() {
  WindingSheet& s = sheet_;
  s.coil_mm = constants::kCoilAllowance * s.build_mm;
  s.fits = s.coil_mm < s.c_mm;
  s.margin_mm = s.c_mm - s.coil_mm;
  if (!std::isfinite(s.coil_mm)) {
    Stop(OutOfRange(Quantity(SPULIX_TEXT("WindingSheet", "线包厚度"))));
  }
}

void SheetBuilder::RunTransformer(const FieldTexts& design) {
  WindingSheet& s = sheet_;
  FitTheCoil();

  // Outer legs and yokes are half the tongue wide.
  const double lamination_mm2 =
      (2 * s.a_mm + 2 * s.c_mm) * (s.h_mm + s.a_mm) - 2 * s.c_mm * s.h_mm;
  s.iron_mass_g = lamination_mm2 * s.b_mm * constants::kStackingCoefficient *
                  kSteelDensityGPerCm3 / 1000;
  const SheetWinding& primary = s.windings.front();
  s.flux_t =
      u1_ * kCm2PerM2 / (kEmfFactor * kMainsHz * primary.turns * s.section_cm2);
  const double relative = s.flux_t / kGradeFluxT;
  s.iron_loss_w = s.iron_mass_g / 1000 * loss_factor_ * relative * relative;
  for (const SheetWinding& w : s.windings) s.copper_loss_w += w.loss_w;
  s.output_w = CalculatedNumber(design, F::kOutputPower);
  s.efficiency = Efficiency(s.output_w, s.copper_loss_w, s.iron_loss_w);

  for (std::size_t k = 1; k < s.windings.size(); ++k) {
    SheetWinding& w = s.windings[k];
    const double ratio = static_cast<double>(w.turns) / primary.turns;
    w.no_load_v = u1_ * ratio;
    w.full_load_v = LoadedVoltage(u1_, primary.current_a, primary.r75_ohm,
                                  ratio, w.current_a, w.r75_ohm);
  }

  const double width = 2 * s.a_mm + 2 * s.c_mm;
  const double height = s.h_mm + s.a_mm;
  const double depth = s.b_mm + 2 * s.build_mm;
  s.surface_cm2 =  // of the box around core and coil, mm² to cm²
      2 * (width * height + width * depth + height * depth) / 100;
  s.temperature_rise_k =
      TemperatureRise(s.copper_loss_w + s.iron_loss_w, s.surface_cm2);

  const double fuse_needed = kFuseFactor * primary.current_a - kSlack;
  for (double rating : kFuseRatingsA) {
    if (rating >= fuse_needed) {
      s.fuse_a = rating;
      break;
    }
  }

  std::map<std::size_t, WireToBuy> buy;
  for (const SheetWinding& w : s.windings) {
    WireToBuy& entry = buy[w.wire];
    entry.wire = w.wire;
    entry.wire_mm = w.wire_mm;
    entry.length_m += w.length_m * w.strands;
    entry.mass_g += w.mass_g;
  }
  for (auto& [wire, entry] : buy) s.wires_to_buy.push_back(entry);

  const std::pair<double, const char*> checked[] = {
      {s.iron_mass_g, SPULIX_TEXT("WindingSheet", "铁心重量")},
      {s.flux_t, SPULIX_TEXT("WindingSheet", "磁通密度")},
      {s.iron_loss_w, SPULIX_TEXT("WindingSheet", "铁损")},
      {s.copper_loss_w, SPULIX_TEXT("WindingSheet", "铜损")},
      {s.efficiency, SPULIX_TEXT("WindingSheet", "效率")},
      {s.surface_cm2, SPULIX_TEXT("WindingSheet", "散热面积")},
      {s.temperature_rise_k, SPULIX_TEXT("WindingSheet", "温升")}};
  for (const auto& [value, name] : checked) {
    if (!std::isfinite(value)) Stop(OutOfRange(Quantity(name)));
  }
  for (std::size_t k = 0; k < s.windings.size(); ++k) {
    const SheetWinding& w = s.windings[k];
    if (!std::isfinite(w.mlt_mm) || !std::isfinite(w.mass_g) ||
        !std::isfinite(w.loss_w) || !std::isfinite(w.full_load_v.value_or(0))) {
      Stop(OutOfRange(kWindingSheetTexts.Say(
          SPULIX_TEXT("WindingSheet", "%1的匝长、铜重或电压"),
          {WindingName(k)})));
    }
  }
}

}  // namespace

UserText WindingName(std::size_t index) {
  if (index == 0)
    return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "初级"));
  return kWindingSheetTexts.Say(SPULIX_TEXT("WindingSheet", "次级%1"),
                                {Verbatim(std::to_string(index))});
}

namespace {

SheetOutcome SheetOfTexts(const FieldTexts& design,
                          const SheetChoices& choices) {
  if (choices.full_load_turns) return SheetWithFullLoadTurns(design, choices);
  SheetOutcome outcome = ComputeSheetWithTurns(design, choices, {});
  if (auto* sheet = std::get_if<WindingSheet>(&outcome)) {
    NoteLowFullLoadVoltage(*sheet, choices);
  }
  return outcome;
}

}  // namespace

SheetOutcome ComputeSheetWithTurns(const FieldTexts& design,
                                   const SheetChoices& choices,
                                   std::span<const int> secondary_turns,
                                   SheetDetail detail) {
  try {
    return SheetBuilder(design, choices, secondary_turns, detail).Build();
  } catch (const CannotCompute& stop) {
    return stop.reason;
  }
}

SheetOutcome ComputeWindingSheet(const FieldTexts& design,
                                 const SheetChoices& choices,
                                 SheetDetail detail) {
  if (HasDcLoad(choices))
    return SheetWithDcLoads(design, choices, SheetOfTexts);
  // The turns for full load and the rectifiers need the running figures.
  if (detail == SheetDetail::kCoil && !choices.full_load_turns) {
    return ComputeSheetWithTurns(design, choices, {}, SheetDetail::kCoil);
  }
  return SheetOfTexts(design, choices);
}

}  // namespace spulix
