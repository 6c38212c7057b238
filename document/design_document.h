// SPDX-License-Identifier: GPL-3.0-or-later
// The text form of a saved design (design/design.h): the 29 field texts and
// the three figures on the core diagram exactly as the window shows them,
// and the winding sheet's choices.
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

#include "design/design.h"

namespace spulix {

inline constexpr const char* kDesignFormat = "spulix-design";
inline constexpr int kDesignVersion = 1;
inline constexpr const char* kDesignSuffix = ".spulix";

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

using DesignParse = std::variant<Design, DesignError>;

// The file text, pretty-printed, ending with a line feed.
std::string SerializeDesign(const Design& design);

// Reads a file text. Invalid UTF-8, broken or truncated JSON, nesting or
// values beyond the limits above, a newer version, a missing or mistyped
// field or label, a mistyped sheet member are errors.
DesignParse ParseDesign(std::string_view text);

// Refuses a text nested deeper than kMaxDesignDepth or holding more than
// kMaxDesignValues values (kTooComplex) before any parser builds a tree of
// it; ParseDesign starts with it.
std::optional<DesignError> CheckDesignShape(std::string_view text);

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_DESIGN_DOCUMENT_H_
