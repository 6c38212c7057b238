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

constexpr TextContext kDesignFileTexts{"DesignFile"};

// The system's reason where there is one.
UserText Reason(const DesignError& error) {
  return error.error_number != 0 ? SystemErrorSentence(error.error_number)
                                 : Verbatim(error.detail);
}

}  // namespace

UserText ProblemSentence(const DesignError& error) {
  const UserText where =
      error.line > 0
          ? kDesignFileTexts.Say(
                SPULIX_TEXT("DesignFile", "（第 %1 行第 %2 列）"),
                {Verbatim(Number(error.line)), Verbatim(Number(error.column))})
          : Verbatim("");
  switch (error.kind) {
    case Kind::kCannotOpen:
      return kDesignFileTexts.Say(SPULIX_TEXT("DesignFile", "无法打开（%1）"),
                                  {Reason(error)});
    case Kind::kNotAFile:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "这不是一个普通文件（可能是文件夹）"));
    case Kind::kTooLarge:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile",
                      "文件太大（约 %1 MB），设计文件不能超过 %2 MB"),
          {Verbatim(Megabytes(error.position)),
           Verbatim(Megabytes(kMaxDesignFileBytes))});
    case Kind::kReadFailed:
      return kDesignFileTexts.Say(SPULIX_TEXT("DesignFile", "读取失败（%1）"),
                                  {Reason(error)});
    case Kind::kEmpty:
      return kDesignFileTexts.Say(SPULIX_TEXT("DesignFile", "文件是空的"));
    case Kind::kInvalidUtf8:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "文件含有无效的 UTF-8 字符%1"), {where});
    case Kind::kNotJson:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "文件内容不是有效的 JSON%1"), {where});
    case Kind::kTruncated:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "文件不完整，内容在结尾处中断"));
    case Kind::kNotADesign:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "这不是 Spulix 设计文件"));
    case Kind::kNewerVersion:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile",
                      "文件由较新版本的 Spulix 保存（格式版本 %1），"
                      "本程序只能打开版本 %2 的设计文件，请升级 Spulix"),
          {Verbatim(error.detail), Verbatim(Number(kDesignVersion))});
    case Kind::kBadVersion:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "文件的格式版本无效"));
    case Kind::kMissingKey:
      return kDesignFileTexts.Say(SPULIX_TEXT("DesignFile", "文件缺少“%1”"),
                                  {Verbatim(error.detail)});
    case Kind::kWrongType:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "文件中“%1”的类型不对"),
          {Verbatim(error.detail)});
    case Kind::kWriteFailed:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "写入失败（%1），原有文件保持不变"),
          {Reason(error)});
    case Kind::kDesignTooLarge:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile",
                      "设计太大（文本太长或附加次级太多），文件会超过 "
                      "%1 MB 或 %2 个值的上限"),
          {Verbatim(Megabytes(kMaxDesignFileBytes)),
           Verbatim(Number(kMaxDesignValues))});
    case Kind::kReadOnly:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile", "文件是只读的，没有改动它"));
    case Kind::kTooComplex:
      return kDesignFileTexts.Say(
          SPULIX_TEXT("DesignFile",
                      "文件的结构太复杂（嵌套超过 %1 层或多于 %2 "
                      "个值），不是 Spulix 设计文件%3"),
          {Verbatim(Number(kMaxDesignDepth)),
           Verbatim(Number(kMaxDesignValues)), where});
  }
  return kDesignFileTexts.Say(SPULIX_TEXT("DesignFile", "未知错误"));
}

std::string ChineseProblem(const DesignError& error) {
  return Compose(ProblemSentence(error));
}

namespace {

std::string EnglishProblem(const DesignError& error) {
  const std::string where = error.line > 0
                                ? " at line " + Number(error.line) +
                                      ", column " + Number(error.column)
                                : "";
  switch (error.kind) {
    case Kind::kCannotOpen:
      return "cannot open: " + error.detail;
    case Kind::kNotAFile:
      return "not a regular file";
    case Kind::kTooLarge:
      return "too large (" + Number(error.position) + " bytes, at most " +
             Number(kMaxDesignFileBytes) + ")";
    case Kind::kReadFailed:
      return "cannot read: " + error.detail;
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
      return "format version " + error.detail +
             " is newer than this program (" + Number(kDesignVersion) + ")";
    case Kind::kBadVersion:
      return "invalid format version";
    case Kind::kMissingKey:
      return "\"" + error.detail + "\" is missing";
    case Kind::kWrongType:
      return "\"" + error.detail + "\" has the wrong type";
    case Kind::kWriteFailed:
      return "cannot write: " + error.detail +
             " (any earlier file is unchanged)";
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

UserText ErrorSentence(const DesignError& error, const std::string& file_name,
                       FileAction action) {
  return kDesignFileTexts.Say(
      action == FileAction::kOpen
          ? SPULIX_TEXT("DesignFile", "无法打开设计文件“%1”：%2。")
          : SPULIX_TEXT("DesignFile", "无法保存设计文件“%1”：%2。"),
      {Verbatim(file_name), ProblemSentence(error)});
}

std::string ChineseErrorText(const DesignError& error,
                             const std::string& file_name, FileAction action) {
  return Compose(ErrorSentence(error, file_name, action));
}

std::string EnglishErrorText(const DesignError& error,
                             const std::string& file_name, FileAction action) {
  const char* verb = action == FileAction::kOpen ? "" : "cannot save ";
  return std::string(verb) + "design file '" + file_name +
         "': " + EnglishProblem(error);
}

}  // namespace spulix
