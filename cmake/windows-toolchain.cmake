# The toolchain of the windows preset: the one that scripts/windows-toolchain
# writes into the static Qt's folder. That folder is the cache variable
# ORVIK_QT_MINGW_PREFIX, else the environment variable of the same name, else
# /opt/qt6-mingw-static.
if(NOT ORVIK_QT_MINGW_PREFIX)
  if(DEFINED ENV{ORVIK_QT_MINGW_PREFIX} AND NOT "$ENV{ORVIK_QT_MINGW_PREFIX}" STREQUAL "")
    set(ORVIK_QT_MINGW_PREFIX "$ENV{ORVIK_QT_MINGW_PREFIX}")
  else()
    set(ORVIK_QT_MINGW_PREFIX /opt/qt6-mingw-static)
  endif()
endif()
set(ORVIK_QT_MINGW_PREFIX "${ORVIK_QT_MINGW_PREFIX}"
    CACHE PATH "The static Qt for Windows, with its toolchain.cmake")
# try_compile projects read this file again and get the same folder.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ORVIK_QT_MINGW_PREFIX)

if(NOT EXISTS "${ORVIK_QT_MINGW_PREFIX}/toolchain.cmake")
  message(FATAL_ERROR "${ORVIK_QT_MINGW_PREFIX}/toolchain.cmake is missing: "
                      "run scripts/windows-toolchain ${ORVIK_QT_MINGW_PREFIX}")
endif()
include("${ORVIK_QT_MINGW_PREFIX}/toolchain.cmake")
