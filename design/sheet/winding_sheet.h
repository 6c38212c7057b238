// SPDX-License-Identifier: GPL-3.0-or-later
// The winding sheet: what to wind, what to buy and how the finished
// transformer will run. Where the main window keeps the traditional build-up
// (bare wire, layers rounded to the nearest), the sheet winds standard
// enamelled wire in whole layers and runs the windings at their real loads.
// It works on a copy of the design, never changes the design and never
// shows a message.
#ifndef SPULIX_DESIGN_SHEET_WINDING_SHEET_H_
#define SPULIX_DESIGN_SHEET_WINDING_SHEET_H_

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "design/design.h"
#include "design/parts/core_catalogue.h"
#include "design/sheet/dc_figures.h"
#include "design/user_text.h"

namespace spulix {

// Bobbins are sold for stacks of about one to 1.7 tongue widths and are
// rare above two: a core builds only where its stack b is at most this
// many tongue widths a. A taller stack also winds long, narrow turns.
inline constexpr double kMaxStackToTongue = 2.0;

// One winding as it is wound, primary first.
struct SheetWinding {
  std::string name;        // "初级", "次级1", "次级2", ...
  double voltage_v = 0;    // end to end
  double current_a = 0;    // the load current, rms
  int turns = 0;           // end to end
  std::optional<int> tap;  // the centre tap's turn
  std::string d;           // calculated wire diameter, as a field shows it
  int strands = 1;         // parallel strands wound side by side
  std::size_t wire = 0;    // StandardWires() index of one strand
  double wire_mm = 0;      // its nominal bare diameter
  double overall_mm = 0;   // its largest enamelled diameter
  bool overall_is_bound = false;  // the next size's value (an upper bound)
  int turns_per_layer = 0;
  int layers = 0;  // whole layers; the last may be part-filled
  int last_layer_turns = 0;
  double interlayer_mm = 0;           // insulation between two layers
  double outer_mm = 0;                // insulation over the last layer
  double thickness_mm = 0;            // wire, interlayer and outer insulation
  double mlt_mm = 0;                  // mean turn length
  double length_m = 0;                // one strand, leads included
  double mass_g = 0;                  // all strands
  double r20_ohm = 0;                 // all strands in parallel, at 20 °C
  double r75_ohm = 0;                 // and at 75 °C
  double loss_w = 0;                  // copper loss at the load current
  std::optional<double> no_load_v;    // secondaries only
  std::optional<double> full_load_v;  // secondaries only
  // A winding that feeds a rectifier: the load and what it gives.
  std::optional<DcWindingFigures> dc;
};

// The wire of one standard size for the whole transformer.
struct WireToBuy {
  std::size_t wire = 0;  // StandardWires() index
  double wire_mm = 0;
  double length_m = 0;  // every strand of every winding in this size
  double mass_g = 0;
};

struct WindingSheet {
  int enamel_grade = 2;
  std::string steel;  // the grade's name as shipped

  // The core as the sheet used it.
  double a_mm = 0;
  double b_mm = 0;  // the stack wound on: as built where given
  double c_mm = 0;
  double h_mm = 0;
  double effective_height_mm = 0;  // h'
  double section_cm2 = 0;          // S, of the stack wound on
  // The stack as built replaced the calculated one (calculated_b_mm): the
  // turns follow it and differ from the main window's.
  bool stack_as_built = false;
  double calculated_b_mm = 0;

  double output_w = 0;  // P2 of all secondaries together

  std::vector<SheetWinding> windings;

  double build_mm = 0;   // bobbin wall and every winding
  double coil_mm = 0;    // the build with the bulge allowance
  bool fits = false;     // coil < c
  double margin_mm = 0;  // c - coil

  double iron_mass_g = 0;
  double flux_t = 0;
  double iron_loss_w = 0;
  double copper_loss_w = 0;
  double efficiency = 0;
  double surface_cm2 = 0;
  double temperature_rise_k = 0;  // an estimate for natural cooling
  std::optional<double> fuse_a;   // time-lag; none above the largest rating

  std::vector<WireToBuy> wires_to_buy;  // by size, smallest first
  std::vector<UserText> notes;          // short remarks

  // b / a, and whether a bobbin for that stack can be had.
  double StackRatio() const { return b_mm / a_mm; }
  bool StackFitsBobbin() const { return StackRatio() <= kMaxStackToTongue; }
  // The coil fits the window on a stack a bobbin takes.
  bool Builds() const { return fits && StackFitsBobbin(); }
};

// The sheet, or one line that names what is missing.
using SheetOutcome = std::variant<WindingSheet, UserText>;

// The name of the sheet's winding at `index`: 初级 first, then 次级1, ....
UserText WindingName(std::size_t index);

// How much of the sheet to work out: all of it, or only the windings and
// the coil against the window (no running figures, no notes), for the
// searches that try a core or a power after another.
enum class SheetDetail { kFull, kCoil };

// The sheet of the design with the choices. Without extra secondaries it
// works on the texts as they stand; with them, on a copy recalculated for
// the total output power. A winding with a DC load is wound for the
// voltage and RMS current its rectifier asks (dc_winding.h). Never throws.
SheetOutcome ComputeWindingSheet(const FieldTexts& design,
                                 const SheetChoices& choices,
                                 SheetDetail detail = SheetDetail::kFull);

// The sheet of the texts with secondary k's turns (0 for 次级1) set to
// secondary_turns[k] where that is above 0, the others as the calculation
// counts them; no DC loads solved and no turns chosen. For the code that
// finds turns.
SheetOutcome ComputeSheetWithTurns(const FieldTexts& design,
                                   const SheetChoices& choices,
                                   std::span<const int> secondary_turns,
                                   SheetDetail detail = SheetDetail::kFull);

}  // namespace spulix

#endif  // SPULIX_DESIGN_SHEET_WINDING_SHEET_H_
