// SPDX-License-Identifier: GPL-3.0-or-later
// A saved design: the 29 field texts and the three figures on the core
// diagram, exactly as the window shows them, and its JSON text form.
//
// The text form (a .spulix file) is one JSON object:
//   {"format": "spulix-design", "version": 1,
//    "fields": {"Text1": "250", ..., "Text29": "0.05"},
//    "labels": {"Label66": "22", "Label67": "35", "Label68": "61.5"},
//    "sheet": {"enamel_grade": 2, "steel": "50W800", "center_tap": false,
//              "extra_secondaries": [{"U": "6.3", "I": "2",
//                                     "center_tap": false}]}}
// Every field and label must be present as a string; other keys are ignored.
// "sheet" holds the winding sheet's choices and is written only where they
// are not the defaults; a file without it, or without any of its members,
// takes the defaults. Its texts (steel, U, I) are kept as typed; a value of
// another JSON type, or an enamel grade other than 1 or 2, refuses the file.
#ifndef SPULIX_DOCUMENT_DESIGN_DOCUMENT_H_
#define SPULIX_DOCUMENT_DESIGN_DOCUMENT_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "design/field_store.h"
#include "design/sheet/winding_sheet.h"

namespace spulix {

inline constexpr const char* kDesignFormat = "spulix-design";
inline constexpr int kDesignVersion = 1;
inline constexpr const char* kDesignSuffix = ".spulix";

// The diagram figures a design keeps, in the order they are written.
inline constexpr std::array<Caption, 3> kDesignFigures = {
    Caption::kWidthFigure, Caption::kTongueFigure, Caption::kHeightFigure};

struct DesignDocument {
  std::array<std::string, kFieldCount> texts;  // [0] is Text1
  std::array<std::string, 3> figures;          // as kDesignFigures
  // The winding sheet's choices and extra secondaries, which belong to the
  // design; the defaults where a file has none.
  SheetChoices sheet;

  std::string& text(Field field) { return texts[ControlNumber(field) - 1]; }
  const std::string& text(Field field) const {
    return texts[ControlNumber(field) - 1];
  }
  friend bool operator==(const DesignDocument&,
                         const DesignDocument&) = default;
};

// What went wrong with a design file; `detail` names the key, the version
// or the system's own words, `position` is a byte offset where one applies.
struct DesignError {
  enum class Kind {
    kCannotOpen,      // detail: the system's reason
    kNotAFile,        // a folder, a device, a pipe
    kTooLarge,        // position: the file's size
    kReadFailed,      // detail: the system's reason
    kInvalidUtf8,     // position: first bad byte
    kEmpty,           // zero bytes, or blanks only
    kNotJson,         // position: where the JSON text breaks
    kTruncated,       // the JSON text ends early
    kNotADesign,      // not an object, or no "format": "spulix-design"
    kNewerVersion,    // detail: the file's version
    kBadVersion,      // version missing, not a whole number, or below 1
    kMissingKey,      // detail: "fields", "labels", "Text5", "Label66"...
    kWrongType,       // detail: the key whose value is not what it must be
    kWriteFailed,     // detail: the system's reason
    kDesignTooLarge,  // the design would make a file too large to open again
    kReadOnly,        // saving over a read-only file, which is left alone
    kTooComplex,      // position: where the nesting or the values pass
                      // kMaxDesignDepth or kMaxDesignValues
  };
  Kind kind;
  std::string detail;
  std::uint64_t position = 0;
  // Where the position lies in the text, both from 1 (0: not known).
  std::uint64_t line = 0;
  std::uint64_t column = 0;
  // The C library's errno behind kCannotOpen, kReadFailed and kWriteFailed
  // (0: none), so each language can say it in its own words.
  int error_number = 0;
};

// Largest design file accepted; saving refuses designs that would exceed it.
// A design is about 1 KB.
inline constexpr std::uint64_t kMaxDesignFileBytes = 1u << 20;
// The JSON text's deepest nesting and its number of values (each key's
// value, array element and container counts one) that are parsed at all:
// a design nests 2 deep with about 40 values; the winding sheet's choices
// nest 4 deep with 4 more values per extra secondary, so about 1000 of
// them fit. Checked before a tree is built, so no file costs more than a
// few megabytes.
inline constexpr int kMaxDesignDepth = 16;
inline constexpr std::uint64_t kMaxDesignValues = 4096;

using DesignParse = std::variant<DesignDocument, DesignError>;

// Captures the texts and figures of a store as they stand.
DesignDocument CaptureDesign(const FieldStore& store);

// The file text, pretty-printed, ending with a line feed.
std::string SerializeDesign(const DesignDocument& document);

// Reads a file text. Invalid UTF-8, broken or truncated JSON, nesting or
// values beyond the limits above, a newer version, a missing or mistyped
// field or label, a mistyped sheet member are errors.
DesignParse ParseDesign(std::string_view text);

// Refuses a text nested deeper than kMaxDesignDepth or holding more than
// kMaxDesignValues values (kTooComplex) before any parser builds a tree of
// it; ParseDesign starts with it.
std::optional<DesignError> CheckDesignShape(std::string_view text);

// Puts a design into a store without running any change reaction, so the
// store shows exactly what was saved (a design saved right after the test
// button still shows the H of that first run). The store must offer
// RestoreText(Field, std::string_view), which sets a text quietly.
template <typename Store>
void RestoreDesign(Store& store, const DesignDocument& document) {
  for (int number = 1; number <= kFieldCount; ++number) {
    const Field field = FieldFromNumber(number);
    store.RestoreText(field, document.text(field));
  }
  for (std::size_t i = 0; i < kDesignFigures.size(); ++i) {
    store.SetCaption(kDesignFigures[i], document.figures[i]);
  }
}

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_DESIGN_DOCUMENT_H_
