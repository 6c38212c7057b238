// SPDX-License-Identifier: GPL-3.0-or-later
// What a design file error says to the user: a sentence for the window, in
// its language (Chinese unless English is chosen), and one English line for
// spulix-calc. Both name the file and the problem.
#ifndef SPULIX_DOCUMENT_DESIGN_ERROR_TEXT_H_
#define SPULIX_DOCUMENT_DESIGN_ERROR_TEXT_H_

#include <string>

#include "design/user_text.h"
#include "document/design_document.h"

namespace spulix {

enum class FileAction { kOpen, kSave };

// The problem alone, as in "文件太大（约 3 MB）…" (no full stop); the window
// composes it in its language, ChineseProblem in Chinese.
UserText ProblemSentence(const DesignError& error);
std::string ChineseProblem(const DesignError& error);

// "无法打开设计文件“name”：<problem>。"
UserText ErrorSentence(const DesignError& error, const std::string& file_name,
                       FileAction action);
std::string ChineseErrorText(const DesignError& error,
                             const std::string& file_name, FileAction action);

// "design file 'name': <problem>" (no line feed).
std::string EnglishErrorText(const DesignError& error,
                             const std::string& file_name, FileAction action);

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_DESIGN_ERROR_TEXT_H_
