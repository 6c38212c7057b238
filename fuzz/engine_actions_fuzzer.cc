// SPDX-License-Identifier: GPL-3.0-or-later
// Random action sequences on the in-memory store: the bytes pick the action,
// the field and a text. No reaction may throw, and every text the engine
// writes is empty or reads back strictly.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "design/core_fit_check.h"
#include "design/design_calculation.h"
#include "design/field_reactions.h"
#include "design/memory_store.h"
#include "design/transformer_design.h"
#include "tests/design/checking_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  // The engine wrote something unreadable.
  spulix::CheckingStore store(
      [](spulix::Field, std::string_view) { std::abort(); });
  std::size_t i = 0;
  auto next = [&]() -> std::uint8_t { return i < size ? data[i++] : 0; };
  while (i < size) {
    const std::uint8_t op = next();
    const auto field =
        spulix::FieldFromNumber(1 + next() % spulix::kFieldCount);
    const std::size_t length = next() % 12;
    std::string text;
    for (std::size_t k = 0; k < length && i < size; ++k) {
      text.push_back(static_cast<char>(next()));
    }
    try {
      switch (op % 8) {
        case 0:
          store.SetText(field, text);
          break;
        case 1:
          for (char c : text) store.SetText(field, store.Text(field) + c);
          break;
        case 2: {
          std::string current = store.Text(field);
          if (!current.empty()) current.pop_back();
          store.SetText(field, current);
          break;
        }
        case 3:
          store.set_engine(true);
          spulix::OnFieldDoubleClicked(store, field);
          break;
        case 4:
          store.set_engine(true);
          spulix::Command5_Click(store);
          break;
        case 5:
          store.set_engine(true);
          spulix::CalculateDesign(store);
          break;
        case 6:
          store.set_engine(true);
          spulix::Command9_Click(store);
          break;
        case 7:
          store.set_engine(true);
          spulix::ClearDesign(store);
          break;
      }
    } catch (...) {
      std::abort();  // reactions must handle their own failures
    }
    store.set_engine(false);
  }
  return 0;
}
