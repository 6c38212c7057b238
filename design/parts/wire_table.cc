// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/wire_table.h"

#include <algorithm>
#include <numbers>

#include "design/parts/csv_text.h"
#include "design/parts/shipped_data.h"
#include "design/transformer_design.h"

namespace spulix {
namespace {

// The shipped table: a header, then nominal, series, grade 1, grade 2. Rows
// that do not read are left out (the data test keeps the file clean).
std::vector<StandardWire> ReadShippedTable() {
  std::vector<StandardWire> wires;
  const std::vector<CsvRecord> records = SplitCsv(ShippedWireCsv());
  for (std::size_t r = 1; r < records.size(); ++r) {
    const std::vector<std::string>& cells = records[r].cells;
    if (cells.size() < 4) continue;
    const std::optional<double> nominal = ReadStrictOrNone(cells[0]);
    if (!nominal || *nominal <= 0) continue;
    StandardWire wire;
    wire.nominal_mm = *nominal;
    wire.nominal_text = cells[0];
    wire.series = cells[1];
    wire.grade1_max_mm = ReadStrictOrNone(cells[2]);
    wire.grade2_max_mm = ReadStrictOrNone(cells[3]);
    if (wire.grade1_max_mm) wire.grade1_text = cells[2];
    if (wire.grade2_max_mm) wire.grade2_text = cells[3];
    wires.push_back(std::move(wire));
  }
  std::ranges::sort(wires, {}, &StandardWire::nominal_mm);
  return wires;
}

}  // namespace

double StandardWire::AreaMm2() const {
  return std::numbers::pi / 4 * nominal_mm * nominal_mm;
}

const std::vector<StandardWire>& StandardWires() {
  static const std::vector<StandardWire> wires = ReadShippedTable();
  return wires;
}

std::optional<std::size_t> NextStandardWire(double d_mm) {
  if (!(d_mm > 0)) return std::nullopt;
  const std::vector<StandardWire>& wires = StandardWires();
  const auto it =
      std::ranges::lower_bound(wires, d_mm, {}, &StandardWire::nominal_mm);
  if (it == wires.end()) return std::nullopt;
  return static_cast<std::size_t>(it - wires.begin());
}

std::optional<std::size_t> NextStandardWire(std::string_view d_text) {
  const std::optional<double> d = ReadStrictOrNone(d_text);
  if (!d) return std::nullopt;
  return NextStandardWire(*d);
}

std::optional<std::size_t> MatchStandardWire(std::string_view d_text) {
  const std::optional<std::size_t> next = NextStandardWire(d_text);
  if (next && StandardWires()[*next].nominal_mm == *ReadStrictOrNone(d_text)) {
    return next;
  }
  return std::nullopt;
}

std::optional<OverallDiameter> OverallDiameterOf(std::size_t index, int grade) {
  const std::vector<StandardWire>& wires = StandardWires();
  for (std::size_t i = index; i < wires.size(); ++i) {
    const StandardWire& wire = wires[i];
    const std::optional<double>& mm =
        grade == 1 ? wire.grade1_max_mm : wire.grade2_max_mm;
    if (mm) {
      return OverallDiameter{
          *mm, grade == 1 ? wire.grade1_text : wire.grade2_text, i != index, i};
    }
  }
  return std::nullopt;
}

}  // namespace spulix
