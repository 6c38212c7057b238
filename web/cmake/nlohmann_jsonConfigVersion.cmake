# SPDX-License-Identifier: GPL-3.0-or-later
# The version of the host's nlohmann-json, which the WebAssembly build uses.
include(/usr/share/cmake/nlohmann_json/nlohmann_jsonConfigVersion.cmake
        OPTIONAL RESULT_VARIABLE _spulix_json_version)
if(NOT _spulix_json_version)
  set(PACKAGE_VERSION_COMPATIBLE FALSE)
endif()
