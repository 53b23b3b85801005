# Compiles files of resources/ into the core library as byte arrays, so core reads its own pictures
# the same way on every toolchain, without the OS's resource loader. Included by src/core; run as a
# script (cmake -P) at build time to write the generated source, which is rebuilt when a file changes.

set(VITREX_EMBEDDED_FILES
    donate.jpg
    donate-2x.jpg
    icons/logo-16.rgba
    icons/logo-32.rgba
    icons/settings-16.rgba
    icons/settings-32.rgba
    icons/state-16.rgba
    icons/state-32.rgba
    icons/update-16.rgba
    icons/update-32.rgba)

if(NOT CMAKE_SCRIPT_MODE_FILE)
  # Adds the generated source defining vitrex::resources::EmbeddedFiles() to `target`.
  function(vitrex_embed_resources target)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/EmbeddedFiles.cpp)
    list(TRANSFORM VITREX_EMBEDDED_FILES PREPEND ${PROJECT_SOURCE_DIR}/resources/ OUTPUT_VARIABLE inputs)
    add_custom_command(
      OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR}/resources -DOUT=${out}
              -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      DEPENDS ${inputs} ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
      COMMENT "Embedding resources"
      VERBATIM)
    target_sources(${target} PRIVATE ${out})
  endfunction()
  return()
endif()

set(arrays "")
set(table "")
set(index 0)
foreach(name IN LISTS VITREX_EMBEDDED_FILES)
  file(READ ${ROOT}/${name} hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    message(FATAL_ERROR "resources/${name} is empty")
  endif()
  # Sixteen bytes a line (CMake's regular expressions have no counted repeats).
  string(REPEAT "0x..," 16 line)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "const std::uint8_t kFile${index}[] = {\n    ${bytes}};\n")
  string(APPEND table "    {\"${name}\", kFile${index}},\n")
  math(EXPR index "${index} + 1")
endforeach()

file(CONFIGURE OUTPUT ${OUT} @ONLY CONTENT [=[
// Generated from resources/ by tools/resources/Embed.cmake.
#include "core/imaging/EmbeddedFiles.h"

namespace vitrex::resources {
namespace {

@arrays@
const EmbeddedFile kFiles[] = {
@table@};

}  // namespace

std::span<const EmbeddedFile> EmbeddedFiles() { return kFiles; }

}  // namespace vitrex::resources
]=])
