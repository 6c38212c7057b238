# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged tree just before it is packed. A plain strip
# keeps the compiler's .comment section (its name and version), which Debian
# packages leave out of their programs.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
if(NOT programs)
  message(FATAL_ERROR "no programs under ${CPACK_TEMPORARY_DIRECTORY}/usr/bin")
endif()
foreach(program IN LISTS programs)
  execute_process(
    COMMAND ${CPACK_SPULIX_OBJCOPY} --remove-section=.comment ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "objcopy failed on ${program}")
  endif()
endforeach()
