// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/design_error_text.h"

#include "document/system_error_text.h"

namespace spulix {
namespace {

using Kind = DesignError::Kind;

std::string Number(std::uint64_t value) { return std::to_string(value); }

std::string Megabytes(std::uint64_t bytes) {
  return Number((bytes + (1u << 20) - 1) >> 20);
}

// The system's reason in Chinese where there is one.
std::string Reason(const DesignError& e) {
  return e.error_number != 0 ? ChineseSystemError(e.error_number) : e.detail;
}

}  // namespace

std::string ChineseProblem(const DesignError& e) {
  const std::string where = e.line > 0 ? "（第 " + Number(e.line) + " 行第 " +
                                             Number(e.column) + " 列）"
                                       : "";
  switch (e.kind) {
    case Kind::kCannotOpen:
      return "无法打开（" + Reason(e) + "）";
    case Kind::kNotAFile:
      return "这不是一个普通文件（可能是文件夹）";
    case Kind::kTooLarge:
      return "文件太大（约 " + Megabytes(e.position) +
             " MB），设计文件不能超过 " + Megabytes(kMaxDesignFileBytes) +
             " MB";
    case Kind::kReadFailed:
      return "读取失败（" + Reason(e) + "）";
    case Kind::kEmpty:
      return "文件是空的";
    case Kind::kInvalidUtf8:
      return "文件含有无效的 UTF-8 字符" + where;
    case Kind::kNotJson:
      return "文件内容不是有效的 JSON" + where;
    case Kind::kTruncated:
      return "文件不完整，内容在结尾处中断";
    case Kind::kNotADesign:
      return "这不是 Spulix 设计文件";
    case Kind::kNewerVersion:
      return "文件由较新版本的 Spulix 保存（格式版本 " + e.detail +
             "），本程序只能打开版本 " + Number(kDesignVersion) +
             " 的设计文件，请升级 Spulix";
    case Kind::kBadVersion:
      return "文件的格式版本无效";
    case Kind::kMissingKey:
      return "文件缺少“" + e.detail + "”";
    case Kind::kWrongType:
      return "文件中“" + e.detail + "”的类型不对";
    case Kind::kWriteFailed:
      return "写入失败（" + Reason(e) + "），原有文件保持不变";
    case Kind::kDesignTooLarge:
      return "设计太大（文本太长或附加次级太多），文件会超过 " +
             Megabytes(kMaxDesignFileBytes) + " MB 或 " +
             Number(kMaxDesignValues) + " 个值的上限";
    case Kind::kReadOnly:
      return "文件是只读的，没有改动它";
    case Kind::kTooComplex:
      return "文件的结构太复杂（嵌套超过 " + Number(kMaxDesignDepth) +
             " 层或多于 " + Number(kMaxDesignValues) +
             " 个值），不是 Spulix 设计文件" + where;
  }
  return "未知错误";
}

namespace {

std::string EnglishProblem(const DesignError& e) {
  const std::string where =
      e.line > 0 ? " at line " + Number(e.line) + ", column " + Number(e.column)
                 : "";
  switch (e.kind) {
    case Kind::kCannotOpen:
      return "cannot open: " + e.detail;
    case Kind::kNotAFile:
      return "not a regular file";
    case Kind::kTooLarge:
      return "too large (" + Number(e.position) + " bytes, at most " +
             Number(kMaxDesignFileBytes) + ")";
    case Kind::kReadFailed:
      return "cannot read: " + e.detail;
    case Kind::kEmpty:
      return "empty file";
    case Kind::kInvalidUtf8:
      return "invalid UTF-8" + where;
    case Kind::kNotJson:
      return "not valid JSON" + where;
    case Kind::kTruncated:
      return "truncated: the JSON text ends early";
    case Kind::kNotADesign:
      return "not a Spulix design (no \"format\": \"spulix-design\")";
    case Kind::kNewerVersion:
      return "format version " + e.detail + " is newer than this program (" +
             Number(kDesignVersion) + ")";
    case Kind::kBadVersion:
      return "invalid format version";
    case Kind::kMissingKey:
      return "\"" + e.detail + "\" is missing";
    case Kind::kWrongType:
      return "\"" + e.detail + "\" has the wrong type";
    case Kind::kWriteFailed:
      return "cannot write: " + e.detail + " (any earlier file is unchanged)";
    case Kind::kDesignTooLarge:
      return "the design is too large for a design file (texts too long or "
             "too many extra secondaries)";
    case Kind::kReadOnly:
      return "the file is read-only (left unchanged)";
    case Kind::kTooComplex:
      return "nested deeper than " + Number(kMaxDesignDepth) +
             " levels or more than " + Number(kMaxDesignValues) + " values" +
             where + "; not a Spulix design";
  }
  return "unknown error";
}

}  // namespace

std::string ChineseErrorText(const DesignError& error,
                             const std::string& file_name, FileAction action) {
  const char* verb = action == FileAction::kOpen ? "无法打开" : "无法保存";
  return std::string(verb) + "设计文件“" + file_name + "”：" +
         ChineseProblem(error) + "。";
}

std::string EnglishErrorText(const DesignError& error,
                             const std::string& file_name, FileAction action) {
  const char* verb = action == FileAction::kOpen ? "" : "cannot save ";
  return std::string(verb) + "design file '" + file_name +
         "': " + EnglishProblem(error);
}

}  // namespace spulix
