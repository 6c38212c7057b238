// SPDX-License-Identifier: GPL-3.0-or-later
// A MemoryStore that checks every text the engine writes, as it is written:
// it must be empty or a number that the strict reading takes back. Shared by
// the random action test and the engine fuzzer.
#ifndef SPULIX_TESTS_DESIGN_CHECKING_STORE_H_
#define SPULIX_TESTS_DESIGN_CHECKING_STORE_H_

#include <functional>
#include <string_view>
#include <utility>

#include "design/memory_store.h"
#include "design/transformer_design.h"

namespace spulix {

class CheckingStore : public MemoryStore {
 public:
  using BadWrite = std::function<void(Field, std::string_view)>;

  explicit CheckingStore(BadWrite on_bad_write)
      : on_bad_write_(std::move(on_bad_write)) {}

  // Writes nested in a reaction come from the engine; so do all writes
  // while set_engine(true) is in force (buttons, double-clicks, Clear).
  bool SetText(Field field, std::string_view text) override {
    if ((depth_ > 0 || engine_) && !Readable(text)) {
      ++bad_writes_;
      on_bad_write_(field, text);
    }
    ++depth_;
    const bool changed = MemoryStore::SetText(field, text);
    --depth_;
    return changed;
  }
  void set_engine(bool engine) { engine_ = engine; }
  int bad_writes() const { return bad_writes_; }

 private:
  // "inf" and "nan" fail here too: the strict reading takes no letters.
  static bool Readable(std::string_view text) {
    if (text.empty()) return true;
    try {
      ReadStrict(text);
      return true;
    } catch (const FieldFailure&) {
      return false;
    }
  }

  BadWrite on_bad_write_;
  int depth_ = 0;
  bool engine_ = false;
  int bad_writes_ = 0;
};

}  // namespace spulix

#endif  // SPULIX_TESTS_DESIGN_CHECKING_STORE_H_
