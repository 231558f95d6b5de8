# Cross build for 32-bit Windows with Debian's MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KELM_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${KELM_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KELM_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KELM_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KELM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run under Wine (wine32, which scripts/setup.sh installs); the caller provides the X display.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh --32-bit)
