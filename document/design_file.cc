// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/design_file.h"

#include <cstring>

#include "document/atomic_file.h"
#include "document/bounded_file.h"

namespace spulix {
namespace {

DesignError SystemError(DesignError::Kind kind, int error_number) {
  DesignError error{kind, std::strerror(error_number)};
  error.error_number = error_number;
  return error;
}

DesignError FromReadFailure(const ReadFailure& failure) {
  using Kind = DesignError::Kind;
  switch (failure.kind) {
    case ReadFailure::Kind::kCannotOpen:
      return SystemError(Kind::kCannotOpen, failure.error_number);
    case ReadFailure::Kind::kNotAFile:
      break;
    case ReadFailure::Kind::kTooLarge:
      return DesignError{Kind::kTooLarge, {}, failure.size};
    case ReadFailure::Kind::kReadFailed:
      return SystemError(Kind::kReadFailed, failure.error_number);
  }
  return DesignError{Kind::kNotAFile, {}};
}

}  // namespace

DesignParse ReadDesignFile(const std::string& path) {
  BoundedRead read = ReadBoundedFile(path, kMaxDesignFileBytes, false);
  if (const auto* failure = std::get_if<ReadFailure>(&read)) {
    return FromReadFailure(*failure);
  }
  return ParseDesign(std::get<std::string>(read));
}

std::optional<DesignError> CheckDesignSize(const std::string& text) {
  // Too many values (extra secondaries) would be refused on opening too.
  if (text.size() > kMaxDesignFileBytes || CheckDesignShape(text)) {
    return DesignError{DesignError::Kind::kDesignTooLarge, {}, text.size()};
  }
  return std::nullopt;
}

std::optional<DesignError> SaveDesignText(const std::string& path,
                                          std::string_view text) {
  const std::optional<WriteFailure> failure = WriteFileAtomically(path, text);
  if (!failure) return std::nullopt;
  switch (failure->kind) {
    case WriteFailure::Kind::kSystem:
      break;
    case WriteFailure::Kind::kReadOnly:
      return DesignError{DesignError::Kind::kReadOnly, {}};
    case WriteFailure::Kind::kNotAFile:
      return DesignError{DesignError::Kind::kNotAFile, {}};
  }
  return SystemError(DesignError::Kind::kWriteFailed, failure->error_number);
}

std::optional<DesignError> WriteDesignFile(const std::string& path,
                                           const Design& design) {
  const std::string text = SerializeDesign(design);
  if (auto error = CheckDesignSize(text)) return error;
  return SaveDesignText(path, text);
}

}  // namespace spulix
