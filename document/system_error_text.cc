// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/system_error_text.h"

#include <cerrno>
#include <cstring>

namespace spulix {

std::string ChineseSystemError(int error_number) {
  switch (error_number) {
    case ENOENT:
      return "文件或文件夹不存在";
    case EACCES:
    case EPERM:
      return "没有权限";
    case ENOSPC:
    case EDQUOT:
      return "磁盘已满";
    case EROFS:
      return "文件系统是只读的";
    case EISDIR:
      return "这是一个文件夹";
    case EFBIG:
      return "文件太大";
    case ENOTDIR:
      return "路径中有一级不是文件夹";
    case ELOOP:
      return "符号链接太多或首尾相连";
    default:
      return std::strerror(error_number);
  }
}

}  // namespace spulix
