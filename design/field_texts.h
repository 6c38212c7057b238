// SPDX-License-Identifier: GPL-3.0-or-later
// The 29 texts of one design, by field: the one form in which a design's
// texts go between stores, files, the winding sheet and the front-ends.
#ifndef SPULIX_DESIGN_FIELD_TEXTS_H_
#define SPULIX_DESIGN_FIELD_TEXTS_H_

#include <array>
#include <cstddef>
#include <string>

#include "design/field_store.h"

namespace spulix {

class FieldTexts {
 public:
  std::string& operator[](Field field) { return texts_[Index(field)]; }
  const std::string& operator[](Field field) const {
    return texts_[Index(field)];
  }
  // In control order, Text1 first.
  auto begin() { return texts_.begin(); }
  auto end() { return texts_.end(); }
  auto begin() const { return texts_.begin(); }
  auto end() const { return texts_.end(); }
  friend bool operator==(const FieldTexts&, const FieldTexts&) = default;

 private:
  static std::size_t Index(Field field) {
    return static_cast<std::size_t>(ControlNumber(field) - 1);
  }
  std::array<std::string, kFieldCount> texts_;
};

// The texts of a store as they stand.
FieldTexts CopyTexts(const FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_DESIGN_FIELD_TEXTS_H_
