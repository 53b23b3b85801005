# Reads the version constants of src/core/app/Version.h, the one place they are written, so the
# version resource, the manifest and the installer carry the same numbers as the program's pages.
#   VITREX_VERSION_TEXT   "0.21 PreBuild"
#   VITREX_DATE_TEXT      "26. Oktober 2005"
#   VITREX_BUILD_NUMBER   "0021"
#   VITREX_VERSION_MAJOR, VITREX_VERSION_MINOR, VITREX_BUILD   0, 21, 21
#   VITREX_FILE_VERSION   "0.21.0.21" (major.minor.0.build)
set(_vitrex_version_header ${CMAKE_CURRENT_LIST_DIR}/../src/core/app/Version.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_vitrex_version_header})
file(READ ${_vitrex_version_header} _vitrex_version_source)

function(_vitrex_version_constant name out)
  if(NOT _vitrex_version_source MATCHES "${name} = \"([^\"]*)\"")
    message(FATAL_ERROR "Version.h defines no ${name}")
  endif()
  set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

_vitrex_version_constant(kVersionText VITREX_VERSION_TEXT)
_vitrex_version_constant(kDateText VITREX_DATE_TEXT)
_vitrex_version_constant(kBuildNumber VITREX_BUILD_NUMBER)

if(NOT VITREX_VERSION_TEXT MATCHES "^([0-9]+)\\.([0-9]+)")
  message(FATAL_ERROR "kVersionText \"${VITREX_VERSION_TEXT}\" does not start with MAJOR.MINOR")
endif()
set(VITREX_VERSION_MAJOR ${CMAKE_MATCH_1})
math(EXPR VITREX_VERSION_MINOR "${CMAKE_MATCH_2}")
if(NOT VITREX_BUILD_NUMBER MATCHES "^[0-9]+$")
  message(FATAL_ERROR "kBuildNumber \"${VITREX_BUILD_NUMBER}\" is not a number")
endif()
math(EXPR VITREX_BUILD "${VITREX_BUILD_NUMBER}")
set(VITREX_FILE_VERSION "${VITREX_VERSION_MAJOR}.${VITREX_VERSION_MINOR}.0.${VITREX_BUILD}")
