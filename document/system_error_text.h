// SPDX-License-Identifier: GPL-3.0-or-later
// The C library's reason for a failed file call as the window says it: the
// common ones in Chinese, so a Chinese sentence does not switch to the
// user's locale half-way; others keep the system's own words.
#ifndef SPULIX_DOCUMENT_SYSTEM_ERROR_TEXT_H_
#define SPULIX_DOCUMENT_SYSTEM_ERROR_TEXT_H_

#include <string>

#include "design/user_text.h"

namespace spulix {

// "磁盘已满" for ENOSPC, strerror() for a value without a Chinese text; the
// sentence is composed in the window's language, ChineseSystemError in
// Chinese.
UserText SystemErrorSentence(int error_number);
std::string ChineseSystemError(int error_number);

}  // namespace spulix

#endif  // SPULIX_DOCUMENT_SYSTEM_ERROR_TEXT_H_
