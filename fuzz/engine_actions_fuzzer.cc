// SPDX-License-Identifier: GPL-3.0-or-later
// Random action sequences on the in-memory store: the bytes pick the action,
// the field and a text. No reaction may throw, and every text the engine
// writes is empty or reads back strictly.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "design/transformer_design.h"
#include "tests/design/checking_store.h"
#include "tests/design/random_actions.h"

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
      spulix::RunEngineAction(
          store,
          static_cast<spulix::EngineAction>(op % spulix::kEngineActionCount),
          field, text);
    } catch (...) {
      std::abort();  // reactions must handle their own failures
    }
  }
  return 0;
}
