# SPDX-License-Identifier: GPL-3.0-or-later
# nlohmann-json for the WebAssembly build: the same header-only library as
# the desktop's, found through a folder that holds it alone, so that the
# host's other headers never reach the cross compiler.
if(NOT TARGET nlohmann_json::nlohmann_json)
  find_path(SPULIX_HOST_JSON_INCLUDE nlohmann/json.hpp
            PATHS /usr/include /usr/local/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT SPULIX_HOST_JSON_INCLUDE)
    message(FATAL_ERROR "nlohmann/json.hpp not found (nlohmann-json3-dev)")
  endif()
  set(_spulix_json_dir ${CMAKE_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${_spulix_json_dir})
  file(CREATE_LINK ${SPULIX_HOST_JSON_INCLUDE}/nlohmann
       ${_spulix_json_dir}/nlohmann SYMBOLIC)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
                        INTERFACE_INCLUDE_DIRECTORIES ${_spulix_json_dir})
endif()
