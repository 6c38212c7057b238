// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/system_error_text.h"

#include <cerrno>
#include <cstring>

namespace spulix {

UserText SystemErrorSentence(int error_number) {
  const auto say = [](const char* text) { return Marked("SystemError", text); };
  switch (error_number) {
    case ENOENT:
      return say(SPULIX_TEXT("SystemError", "文件或文件夹不存在"));
    case EACCES:
    case EPERM:
      return say(SPULIX_TEXT("SystemError", "没有权限"));
    case ENOSPC:
    case EDQUOT:
      return say(SPULIX_TEXT("SystemError", "磁盘已满"));
    case EROFS:
      return say(SPULIX_TEXT("SystemError", "文件系统是只读的"));
    case EISDIR:
      return say(SPULIX_TEXT("SystemError", "这是一个文件夹"));
    case EFBIG:
      return say(SPULIX_TEXT("SystemError", "文件太大"));
    case ENOTDIR:
      return say(SPULIX_TEXT("SystemError", "路径中有一级不是文件夹"));
    case ELOOP:
      return say(SPULIX_TEXT("SystemError", "符号链接太多或首尾相连"));
    default:
      return Verbatim(std::strerror(error_number));
  }
}

std::string ChineseSystemError(int error_number) {
  return Compose(SystemErrorSentence(error_number));
}

}  // namespace spulix
