// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/parts/core_change.h"

#include <variant>

namespace spulix {
namespace {

// A user core of the input's name and dimensions is in the list already.
bool AlreadyThere(const CoreCatalogue& catalogue, const CoreInput& input) {
  const auto read = ReadCoreInput(input);
  const auto* entry = std::get_if<CoreEntry>(&read);
  if (entry == nullptr) return false;
  const std::optional<std::size_t> index = catalogue.FindByName(entry->name);
  if (!index || catalogue.IsBuiltIn(*index)) return false;
  const CoreEntry& there = catalogue.cores()[*index];
  return there.a_mm == entry->a_mm && there.c_mm == entry->c_mm &&
         there.h_mm == entry->h_mm;
}

}  // namespace

std::optional<std::string> ApplyCoreChange(CoreCatalogue& catalogue,
                                           const CoreChange& change,
                                           const Translate& translate) {
  const std::optional<std::size_t> index = catalogue.FindByName(change.name);
  switch (change.kind) {
    case CoreChange::Kind::kRemove:
      if (!index) return std::nullopt;
      return catalogue.RemoveUserCore(*index, translate);
    case CoreChange::Kind::kModify:
      if (index) {
        return catalogue.ReplaceUserCore(*index, change.input, translate);
      }
      break;  // gone meanwhile: the user's values come back
    case CoreChange::Kind::kAdd:
      break;
  }
  if (AlreadyThere(catalogue, change.input)) return std::nullopt;
  return catalogue.AddUserCore(change.input, translate);
}

}  // namespace spulix
