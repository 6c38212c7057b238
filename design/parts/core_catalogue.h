// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue of E-I cores: the laminations the program ships and the
// user's own entries, each with its tongue width a, window width c and
// window height h in millimetres. Read from and written to CSV text.
#ifndef SPULIX_DESIGN_PARTS_CORE_CATALOGUE_H_
#define SPULIX_DESIGN_PARTS_CORE_CATALOGUE_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "design/field_store.h"
#include "design/user_text.h"

namespace spulix {

struct CoreEntry {
  std::string name;
  double a_mm = 0;  // tongue width
  double c_mm = 0;  // window width
  double h_mm = 0;  // window height
  bool built_in = false;
};

// A dimension as it goes into a field: general number text ("25.4", "16").
std::string DimensionText(double mm);

// The largest dimension a core may have; anything above is a typing slip.
inline constexpr double kMaxCoreDimensionMm = 1000;
// Names are shown in narrow table columns and written into file rows.
inline constexpr int kMaxCoreNameLength = 40;

// A row of a core file the catalogue did not take, and why.
struct CatalogueIssue {
  int line = 0;
  UserText reason;
};
// "第 3 行：a“x”不是数字", Chinese unless a translation is given.
std::string DescribeIssue(const CatalogueIssue& issue,
                          const Translate& translate = {});

// What the user typed for one core.
struct CoreInput {
  std::string name;
  std::string a;
  std::string c;
  std::string h;
};

// The entry these texts describe, or why they are refused: an empty, too
// long or non-printable name, a dimension that is not a number, not above
// zero or above kMaxCoreDimensionMm. Blanks around each text are ignored.
std::variant<CoreEntry, UserText> ReadCoreInput(const CoreInput& input);

struct CoreCsvParse {
  std::vector<CoreEntry> cores;
  std::vector<CatalogueIssue> issues;
};

// Reads core rows. The first line may be a header naming the columns
// (name, tongue_a_mm, window_width_c_mm, window_height_h_mm; others are
// ignored); without one the columns are name, a, c, h. A bad row is
// reported with its line and skipped; every good row is kept. A name that
// `taken` or an earlier row already uses (letter case ignored) is refused.
CoreCsvParse ParseCoreCsv(std::string_view text, bool built_in,
                          const std::vector<CoreEntry>& taken = {});

// The header and one row per entry, readable by ParseCoreCsv.
std::string CoreCsvText(const std::vector<CoreEntry>& cores);

// The laminations shipped with the program, in catalogue order.
const std::vector<CoreEntry>& BuiltInCores();

// The shipped cores followed by the user's own. Built-in entries cannot be
// changed or removed.
class CoreCatalogue {
 public:
  CoreCatalogue();

  const std::vector<CoreEntry>& cores() const { return cores_; }
  std::size_t built_in_count() const { return built_in_count_; }
  bool IsBuiltIn(std::size_t index) const { return index < built_in_count_; }

  // Replaces the user's entries with the rows of `text`.
  std::vector<CatalogueIssue> LoadUserCsv(std::string_view text);
  // Adds the rows of `text` after the user's entries.
  std::vector<CatalogueIssue> AddUserCsv(std::string_view text);
  // The user's entries as file text.
  std::string UserCsv() const;

  // Each returns why the change is refused, or nothing when it is made; the
  // reason is in the language of `translate` (Chinese without one).
  std::optional<std::string> AddUserCore(const CoreInput& input,
                                         const Translate& translate = {});
  std::optional<std::string> ReplaceUserCore(std::size_t index,
                                             const CoreInput& input,
                                             const Translate& translate = {});
  std::optional<std::string> RemoveUserCore(std::size_t index,
                                            const Translate& translate = {});

  // Letter case ignored.
  std::optional<std::size_t> FindByName(std::string_view name) const;

 private:
  std::optional<std::string> NameTaken(std::string_view name,
                                       std::optional<std::size_t> except,
                                       const Translate& translate) const;

  std::vector<CoreEntry> cores_;
  std::size_t built_in_count_ = 0;
};

// The first core whose a, c and h equal the numbers in the texts of a, c and
// h (as the fields hold them), or nothing when a text is no number or no
// core has those dimensions: the core the user chose.
std::optional<std::size_t> MatchCore(const std::vector<CoreEntry>& cores,
                                     std::string_view a_text,
                                     std::string_view c_text,
                                     std::string_view h_text);
std::optional<std::size_t> MatchCore(const std::vector<CoreEntry>& cores,
                                     const FieldStore& store);

}  // namespace spulix

#endif  // SPULIX_DESIGN_PARTS_CORE_CATALOGUE_H_
